#include "shell/ui/WindowCatalog.h"

#include "shell/ui/Forms.h"
#include "shell/ui/frmAbout.h"
#include "tools/ui/Financial_1.h"

#include <QHash>
#include <functional>

namespace WindowCatalog {

ToolWindow* instanceFor(const QString& item)
{
    using Make = std::function<ToolWindow*()>;
    static const QHash<QString, Make> items = {
        {"Brindlewick", [] { return &Forms::instance<frmAbout>(); }},
        {"M1Finance", [] { return &Forms::instance<Financial_1>(); }},
    };
    auto it = items.find(item);
    return it == items.end() ? nullptr : it.value()();
}

} // namespace WindowCatalog
