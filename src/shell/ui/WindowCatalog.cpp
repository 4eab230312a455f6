#include "shell/ui/WindowCatalog.h"

#include "conversion/ui/FConversion.h"
#include "shell/ui/Forms.h"
#include "shell/ui/frmAbout.h"

#include <QHash>
#include <functional>

namespace WindowCatalog {

ToolWindow* instanceFor(const QString& item)
{
    using Make = std::function<ToolWindow*()>;
    static const QHash<QString, Make> items = {
        {"M1_conv", [] { return &Forms::instance<FConversion>(); }},
        {"Brindlewick", [] { return &Forms::instance<frmAbout>(); }},
    };
    auto it = items.find(item);
    return it == items.end() ? nullptr : it.value()();
}

} // namespace WindowCatalog
