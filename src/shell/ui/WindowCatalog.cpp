#include "shell/ui/WindowCatalog.h"

#include "geo/ui/FGeo.h"
#include "shell/ui/Forms.h"
#include "shell/ui/frmAbout.h"

#include <QHash>
#include <functional>

namespace WindowCatalog {

ToolWindow* instanceFor(const QString& item)
{
    using Make = std::function<ToolWindow*()>;
    static const QHash<QString, Make> items = {
        {"Brindlewick", [] { return &Forms::instance<frmAbout>(); }},
        {"Geodist", [] { return &Forms::instance<FGeo>(); }},
    };
    auto it = items.find(item);
    return it == items.end() ? nullptr : it.value()();
}

} // namespace WindowCatalog
