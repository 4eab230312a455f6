#include "shell/ui/WindowCatalog.h"

#include "shell/ui/Forms.h"
#include "shell/ui/frmAbout.h"
#include "tables/ui/FBonanza_A36.h"
#include "tables/ui/FrmRivetsClecoBbar1.h"
#include "tables/ui/Frm_Drill_sizes.h"

#include <QHash>
#include <functional>

namespace WindowCatalog {

ToolWindow* instanceFor(const QString& item)
{
    using Make = std::function<ToolWindow*()>;
    static const QHash<QString, Make> items = {
        {"Brindlewick", [] { return &Forms::instance<frmAbout>(); }},
        {"Mdrill_sizes", [] { return &Forms::instance<Frm_Drill_sizes>(); }},
        {"MRay1_BonanzaA36", [] { return &Forms::instance<FBonanza_A36>(); }},
        {"MenuTestTest", [] { return &Forms::instance<FrmRivetsClecoBbar1>(); }},
    };
    auto it = items.find(item);
    return it == items.end() ? nullptr : it.value()();
}

} // namespace WindowCatalog
