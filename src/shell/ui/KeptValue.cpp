#include "shell/ui/KeptValue.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "shell/ui/Funct_txt_check.h"

#include <QLineEdit>
#include <limits>
#include <optional>

namespace KeptValue {
namespace {

class Keeper : public QObject {
public:
    static constexpr const char* kName = "qm_kept";
    Keeper(QLineEdit* box, std::function<void()> onChange, std::function<double()> kept, Reading read)
        : QObject(box), box_(box), lastReadable_(box->text()), onChange_(std::move(onChange)), kept_(std::move(kept)),
          read_(read ? std::move(read) : Reading([](QStringView t) { return rt::val(t); }))
    {
        setObjectName(kName);
        QObject::connect(box, &QLineEdit::textChanged, this, [this] { changed(); });
    }

    std::optional<Disagreement> disagreement() const
    {
        if (!kept_ || Funct_txt_check::held(box_)) return std::nullopt;
        const double k = kept_();
        double shown = 0;
        try {
            shown = read_(box_->text());
        } catch (const rt::RuntimeError& e) {
            // A text beyond the double range is never a number the window holds.
            if (e.code() == rt::Err::Overflow) return Disagreement{box_, k, std::numeric_limits<double>::infinity()};
            return std::nullopt;
        }
        if (k == shown) return std::nullopt;
        return Disagreement{box_, k, shown};
    }

private:
    void changed()
    {
        const QString text = box_->text();
        try {
            rt::val(text);
        } catch (const rt::RuntimeError& e) {
            if (e.code() != rt::Err::Overflow) throw;
            rt::report(e);
            box_->setText(lastReadable_);
            return;
        }
        lastReadable_ = text;
        if (onChange_) onChange_();
    }

    QLineEdit* box_;
    QString lastReadable_;
    std::function<void()> onChange_;
    std::function<double()> kept_;
    Reading read_;
};

} // namespace

void connect(QLineEdit* box, std::function<void()> onChange, std::function<double()> kept, Reading read)
{
    new Keeper(box, std::move(onChange), std::move(kept), std::move(read));
}

QList<Disagreement> disagreements(const QWidget* root)
{
    QList<Disagreement> out;
    for (const QObject* o : root->findChildren<QObject*>(Keeper::kName))
        if (auto d = static_cast<const Keeper*>(o)->disagreement()) out.append(*d);
    return out;
}

} // namespace KeptValue
