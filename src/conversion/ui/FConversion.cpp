#include "conversion/ui/FConversion.h"

#include "conversion/Calc_conv_Power.h"
#include "conversion/Calc_conv_Vol.h"
#include "conversion/Calc_conv_accel.h"
#include "conversion/Calc_conv_angle.h"
#include "conversion/Calc_conv_area.h"
#include "conversion/Calc_conv_dens.h"
#include "conversion/Calc_conv_force.h"
#include "conversion/Calc_conv_freq.h"
#include "conversion/Calc_conv_len.h"
#include "conversion/Calc_conv_mass.h"
#include "conversion/Calc_conv_numbers.h"
#include "conversion/Calc_conv_press.h"
#include "conversion/Calc_conv_temp.h"
#include "conversion/Calc_conv_time.h"
#include "conversion/Calc_conv_torque.h"
#include "conversion/Calc_conv_vel.h"
#include "conversion/Calc_conv_work.h"
#include "conversion/calc_conv_prefix.h"
#include "conversion/ui/CaptionRow.h"
#include "conversion/ui/Fill_lists.h"
#include "runtime/Error.h"
#include "shell/ui/Controls.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QAbstractButton>

namespace {

struct Tab {
    const char* caption;
    const char* fromList;
    const char* toList;
    const ConvSkeleton::Converter* converter; // the units of both lists and their conversion
    int fromLeft;                             // twips
};

// In tab order; the recalculation picks the converter by the tab's index.
const Tab tabs[FConversion::tabCount] = {
    {"Length", "lst_From_len", "lst_to_len", &Calc_conv_len::converter, 135},
    {"Area", "lst_from_area", "lst_to_area", &Calc_conv_area::converter, 135},
    {"Volume", "lst_from_vol", "lst_to_vol", &Calc_conv_Vol::converter, 135},
    {"Mass", "lst_from_mass", "lst_to_mass", &Calc_conv_mass::converter, 120},
    {"Force", "lst_from_force", "lst_to_force", &Calc_conv_force::converter, 135},
    {"Press.", "lst_from_press", "lst_to_press", &Calc_conv_press::converter, 135},
    {"Work", "lst_from_work", "lst_to_work", &Calc_conv_work::converter, 135},
    {"Power", "lst_from_power", "lst_to_power", &Calc_conv_Power::converter, 135},
    {"Time", "lst_from_time", "lst_to_time", &Calc_conv_time::converter, 135},
    {"Freq.", "lst_from_freq", "lst_to_freq", &Calc_conv_freq::converter, 135},
    {"Temp.", "lst_from_temp", "lst_to_temp", &Calc_conv_temp::converter, 135},
    {"Density", "lst_from_dens", "lst_to_dens", &Calc_conv_dens::converter, 135},
    {"Angle", "lst_from_angle", "lst_to_angle", &Calc_conv_angle::converter, 135},
    {"Torque", "lst_from_torque", "lst_to_torque", &Calc_conv_torque::converter, 135},
    {"Velocity", "lst_from_Vel", "lst_to_Vel", &Calc_conv_vel::converter, 135},
    {"Accel.", "lst_from_accel", "lst_to_accel", &Calc_conv_accel::converter, 135},
    {"Nbrs", "lst_from_numb", "lst_to_numb", &Calc_conv_numbers::converter, 120},
    {"Prefix", "lst_from_Prefix", "lst_to_prefix", &calc_conv_prefix::converter, 135},
};

// The captions stand in rows above the pages, five to a row.
constexpr int tabsPerRow = 5;
constexpr int tabRowHeight = 21; // pixels

// A unit list whose one selected entry is always the unit converted: a
// Ctrl+click or Ctrl+Space on the selected entry, which would clear its mark
// and leave the conversion on it, selects it again.
class UnitList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override
    {
        const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
        if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
            return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        return command;
    }
};

QString numberDigits(int fromPosition)
{
    const int base = Calc_conv_numbers::baseAt(fromPosition);
    return QStringLiteral(".0123456789ABCDEF").left((base ? base : 10) + 1);
}

} // namespace

FConversion::FConversion() : ToolWindow("FConversion")
{
    setWindowTitle("Conversion");
    // Wider than designed (4860): the output box takes a result such as
    // "-123456000000000000000.0000" whole in the desktop font.
    setClientSize(6210, 4785);
    setFixedSize(Twips::px(6210), Twips::px(4785));
}

void FConversion::setupUi(QWidget* body)
{
    Conversions = new QTabWidget(body);
    Conversions->setObjectName("Conversions");
    Conversions->setGeometry(Twips::rect(45, 0, 6120, 4065));
    Conversions->tabBar()->hide();
    // The captions are built before the pages: the keyboard reaches them first.
    QList<QAbstractButton*> captions;
    const int captionWidth = (Conversions->width() - 8) / tabsPerRow;
    for (int t = 0; t < tabCount; ++t) {
        QAbstractButton* caption = CaptionRow::newCaption(Conversions);
        caption->setObjectName(QString("Conversions_tab%1").arg(t));
        caption->setText(tabs[t].caption);
        caption->setGeometry(4 + (t % tabsPerRow) * captionWidth, 4 + (t / tabsPerRow) * tabRowHeight, captionWidth,
                             tabRowHeight);
        captions << caption;
    }
    for (int t = 0; t < tabCount; ++t) {
        auto* page = new QWidget;
        page->setObjectName(QString("Conversions_page%1").arg(t));
        Conversions->addTab(page, tabs[t].caption);
        auto list = [page](const char* name, int left) {
            auto* l = new UnitList(page);
            l->setObjectName(name);
            // Wider than designed (1590), sharing the window's width.
            l->setGeometry(Twips::rect(left, 1500, 2550, 2010));
            return l;
        };
        from_[t] = list(tabs[t].fromList, tabs[t].fromLeft);
        to_[t] = list(tabs[t].toList, 2850);
    }
    // Above the pages, so the captions show on every tab.
    for (QAbstractButton* c : captions) c->raise();
    auto* row = new CaptionRow(Conversions, captions, tabsPerRow);

    Txt_A = Controls::textBox(body, "Txt_A", QString(), Twips::rect(180, 4215, 1590, 285));
    // Both buttons are wider than designed (420 and 840) and fill the gaps
    // beside the boxes, so their captions do not run into their frames.
    auto* arrow = Controls::button(body, "Cmd_Dir_Conv", "==>", Twips::rect(1815, 4215, 510, 285));
    Txt_B = Controls::textBox(body, "Txt_B", QString(), Twips::rect(2370, 4215, 2880, 285));
    Txt_B->setReadOnly(true);
    // Neither button has an action. "Swap A/B" stands right of the output box.
    auto* swap = Controls::button(body, "Command1", "Swap A/B", Twips::rect(5295, 4215, 870, 285));
    // After "Swap A/B" the keyboard comes round to the captions (one stop) and the shown page's lists.
    setKeyboardOrder({Txt_A, Txt_B, arrow, swap});
    row->takeTabKeysFrom(body);

    connect(Conversions, &QTabWidget::currentChanged, this, [this] { Conversions_Click(tab_index); });
    for (int t = 0; t < tabCount; ++t) {
        connect(from_[t], &QListWidget::currentRowChanged, this, [this, t] { list_Click(t); });
        connect(to_[t], &QListWidget::currentRowChanged, this, [this, t] { list_Click(t); });
    }
    // The converters read any text, one beyond the double range too.
    NumberBox& a = NumberBox::of(Txt_A).takesAnyText();
    a.accepts([this] { return inputKeys(); }).onKeyUp([this](int& k, int s) { Txt_A_KeyUp(k, s); });
    connect(&a, &NumberBox::changed, this, [this] { Txt_A_Change(); });
}

void FConversion::Form_Load()
{
    NumberBox::of(Txt_A).show("1.0");
    NumberBox::of(Txt_B).show("1.0");
    Conversions->setCurrentIndex(0);
    tab_index = Conversions->currentIndex();
    // Every fill selects its first entries, which runs its converter; length
    // comes last so that its result is the one the window opens with.
    for (int t = 1; t < tabCount; ++t) Fill_lists::fill(from_[t], to_[t], *tabs[t].converter);
    Fill_lists::fill(from_[0], to_[0], *tabs[0].converter);
}

const ConvSkeleton::Converter& FConversion::converterOf(int tab) { return *tabs[tab].converter; }

void FConversion::Conversions_Click(int)
{
    tab_index = Conversions->currentIndex();
    // Setting the input box recalculates through its change handler.
    if (tab_index == numbersTab) {
        writeInput("0");
        NumberBox::of(Txt_B).show("0");
        return;
    }
    if (tab_index == prefixTab) {
        writeInput("1");
        NumberBox::of(Txt_B).show("1");
    }
    recalculate(tab_index);
}

void FConversion::writeInput(const QString& text)
{
    NumberBox& a = NumberBox::of(Txt_A);
    a.show(text);
    // Selected, as on opening: the first key typed replaces the text instead
    // of landing beside it (the box refuses Backspace).
    a.selectWhole();
}

NumberBox::Keys FConversion::inputKeys() const
{
    // "E" is a digit of bases 15 and 16 there, and may repeat.
    if (Conversions->currentIndex() == numbersTab) return {numberDigits(from_[numbersTab]->currentRow()), "."};
    return {QStringLiteral(".-+0123456789E"), QStringLiteral(".E-+")};
}

void FConversion::Txt_A_KeyUp(int&, int) { recalculate(Conversions->currentIndex()); }

void FConversion::Txt_A_Change() { recalculate(Conversions->currentIndex()); }

void FConversion::list_Click(int t) { recalculate(t); }

void FConversion::recalculate(int t)
{
    if (t < 0 || t >= tabCount) return;
    // The one trap on every handler's road: converters raise, the window
    // reports. The text is complete before the box sees it, so a failed step
    // leaves the box as it was.
    rt::trap([&] {
        const ConvSkeleton::Converter& converter = *tabs[t].converter;
        if (ConvSkeleton::Output text = converter.convert(from_[t]->currentRow(), to_[t]->currentRow(), Txt_A->text()))
            NumberBox::of(Txt_B).show(*text);
    });
}
