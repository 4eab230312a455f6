#include "shell/ui/Controls.h"

#include "shell/ui/MultiLineBox.h"
#include "shell/ui/Twips.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace Controls {

namespace {
// Every control here is made from its design text and parent alike.
template <class W>
W* make(QWidget* parent, const QString& name, const QString& text, const QRect& r)
{
    auto* c = new W(text, parent);
    c->setObjectName(name);
    c->setGeometry(r);
    return c;
}
} // namespace

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& r, Qt::Alignment align)
{
    QLabel* c = make<QLabel>(parent, name, caption, r);
    c->setAlignment(align);
    return c;
}

void setFontSize(QWidget* w, double points, bool bold)
{
    QFont f = w->font();
    f.setPointSizeF(points);
    if (bold) f.setBold(true);
    w->setFont(f);
}

QLineEdit* textBox(QWidget* parent, const QString& name, const QString& text, const QRect& r)
{
    return make<QLineEdit>(parent, name, text, r);
}

MultiLineBox* multiLineBox(QWidget* parent, const QString& name, const QString& text, const QRect& r)
{
    return make<MultiLineBox>(parent, name, text, r);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& r)
{
    return make<QPushButton>(parent, name, caption, r);
}

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, const QRect& r)
{
    return make<QRadioButton>(parent, name, caption, r);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const QRect& r)
{
    return make<QGroupBox>(parent, name, caption, r);
}

QGroupBox* tightFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& r)
{
    QGroupBox* c = frame(parent, name, caption, r);
    c->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
                                    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
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

} // namespace Controls
