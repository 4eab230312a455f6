#include "aero/ui/UiBuild.h"

#include "shell/ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace UiBuild {

QLabel* label(QWidget* parent, const QString& name, const QString& text, double l, double t, double w, double h)
{
    auto* c = new QLabel(text, parent);
    if (!name.isEmpty()) c->setObjectName(name);
    c->setGeometry(Twips::rect(l, t, w, h));
    c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return c;
}

QLineEdit* box(QWidget* parent, const QString& name, const QString& text, double l, double t, double w, double h)
{
    auto* c = new QLineEdit(text, parent);
    c->setObjectName(name);
    c->setGeometry(Twips::rect(l, t, w, h));
    c->setCursorPosition(0);
    return c;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, double l, double t, double w, double h)
{
    auto* c = new QGroupBox(caption, parent);
    if (!name.isEmpty()) c->setObjectName(name);
    // The designs put the first row just under the caption, which stands on
    // the border line as on the original platform (not above it).
    c->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
                                    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    c->setGeometry(Twips::rect(l, t, w, h));
    return c;
}

QWidget* addTab(QTabWidget* tabs, const QString& caption)
{
    auto* page = new QWidget;
    tabs->addTab(page, caption);
    return page;
}

double tabTop(const QTabWidget* tabs, double designTop)
{
    // The design's tab strip is 360 twips; Qt's page starts below its own bar.
    const double bar = tabs->tabBar()->sizeHint().height() * Twips::perPixel;
    return designTop - std::max(bar, 300.0);
}

} // namespace UiBuild
