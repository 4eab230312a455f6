// The rivet, Cleco and bucking-bar window: its grid from the column-format
// string, the fixed cell texts, the heading copy on a click, its own size.
#include "TestSupport.h"

#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tables/Grid_format.h"
#include "tables/Rivet_table.h"
#include "tables/ui/FlexGrid.h"
#include "tables/ui/FrmRivetsClecoBbar1.h"
#include "tables/ui/FrmRivetsClecoBbar2.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using Grid_format::Align;

TEST(GridFormat, SplitsHeadingsAlignmentAndRowTexts)
{
    const Grid_format::Layout l = Grid_format::parse("|^ a |< b|>c ; x | y|z ");
    EXPECT_EQ(l.columnHeadings, (QStringList{"", " a ", " b", "c "}));
    EXPECT_EQ(l.alignment, (QList<Align>{Align::General, Align::Center, Align::Left, Align::Right}));
    EXPECT_EQ(l.rowHeadings, (QStringList{" x ", " y", "z "}));
    EXPECT_EQ(l.rows(), 3);
    EXPECT_EQ(l.cols(), 4);

    const Grid_format::Layout rivets = Grid_format::parse(Rivet_table::formatString());
    EXPECT_EQ(rivets.rows(), 16);
    EXPECT_EQ(rivets.cols(), 9);
    EXPECT_EQ(rivets.columnHeadings[5], " 5/32 (0.15625)  ");
    EXPECT_EQ(rivets.rowHeadings.first(), " Rivet Diameter ");
    EXPECT_EQ(rivets.rowHeadings[13], " Max Upset Height");
    EXPECT_EQ(rivets.rowHeadings.last(), " Shank Length(MT-Mat.Thick) ");
}

class RivetWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        MDIForm1::instance().openItem("MenuTestTest");
        w = Forms::existing<FrmRivetsClecoBbar1>();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->isLoaded());
        grid = child<FlexGrid>(w, "MSHFlexGrid1");
        diam = child<QLineEdit>(w, "Txtdiam");
        ASSERT_TRUE(grid && diam);
    }
    void TearDown() override { w->close(); }

    void clickCell(int row, int col)
    {
        const QRect r = grid->visualItemRect(grid->item(row - 1, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }
    void clickHeading(int col)
    {
        QHeaderView* h = grid->horizontalHeader();
        const QPoint p(h->sectionViewportPosition(col) + h->sectionSize(col) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, p);
    }

    FrmRivetsClecoBbar1* w = nullptr;
    FlexGrid* grid = nullptr;
    QLineEdit* diam = nullptr;
};

TEST_F(RivetWindow, LoadBuildsLabelGridAndNote)
{
    EXPECT_FALSE(w->isMdiChild());
    EXPECT_EQ(w->windowTitle(), "Rivets, Drills, Glecos, Bucking Bar-Minimums");
    EXPECT_EQ(child<QLabel>(w, "Label1")->text(),
              "Rivets, Drill sizes, Clecos and Buckbars\r\nAll units are in [inches]");
    EXPECT_EQ(child<QPlainTextEdit>(w, "TxtNote")->toPlainText(), "Note: These are recommended values");
    EXPECT_EQ(grid->Rows(), 16);
    EXPECT_EQ(grid->Cols(), 9);
    EXPECT_EQ(grid->TextMatrix(0, 0), " Rivet Diameter ");
    EXPECT_EQ(grid->TextMatrix(0, 1), "     General Specifications    ");
    EXPECT_EQ(grid->TextMatrix(15, 0), " Shank Length(MT-Mat.Thick) ");
    EXPECT_EQ(grid->Row(), 15);
    EXPECT_EQ(grid->Col(), 8);
    EXPECT_TRUE(diam->text().isEmpty());
    EXPECT_TRUE(grid->wordWrap());

    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 8; ++c) EXPECT_EQ(grid->TextMatrix(r, c), Rivet_table::cell(r, c)) << r << "," << c;
    struct Case {
        int row, col;
        const char* text;
    };
    const Case cases[] = {{7, 3, "1 1/8"}, {3, 7, " F (6.4MM)"}, {2, 2, " "},           {2, 8, " "},
                          {1, 2, "  "},    {1, 8, "  "},         {6, 1, " 3D "},        {15, 6, " MT +  9/32 "},
                          {4, 5, " BLACK "}, {13, 0, " Max Upset Height"}};
    for (const Case& c : cases) EXPECT_EQ(grid->TextMatrix(c.row, c.col), c.text) << c.row << "," << c.col;

    // Columns 1 to 8 are centred, headings and cells; column 0 keeps the default.
    EXPECT_EQ(grid->horizontalHeaderItem(5)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(grid->item(3, 5)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_NE(grid->item(3, 0)->textAlignment(), int(Qt::AlignCenter));
    // The whole table fits: no text wider than its column, no sideways scrolling.
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 9; ++c)
            EXPECT_GE(grid->columnWidth(c), grid->fontMetrics().horizontalAdvance(grid->TextMatrix(r, c).trimmed()))
                << r << "," << c;
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
}

TEST_F(RivetWindow, PlacesItselfWiderThanTheFrameOnEveryLoad)
{
    EXPECT_EQ(w->Left(), 0);
    EXPECT_EQ(w->Top(), 450);
    EXPECT_EQ(w->Width(), 12800);
    EXPECT_EQ(w->Height(), 8400);
    w->setWidth(5000);
    w->setHeight(3000);
    w->close();
    MDIForm1::instance().openItem("MenuTestTest");
    EXPECT_EQ(w->Width(), 12800);
    EXPECT_EQ(w->Height(), 8400);
}

TEST_F(RivetWindow, ClickCopiesTheColumnHeading)
{
    struct Case {
        int row, col; // row 0: the heading itself
        const char* copied;
    };
    const Case cases[] = {
        {9, 5, " 5/32 (0.15625)  "},
        {1, 5, " 5/32 (0.15625)  "},
        {0, 5, " 5/32 (0.15625)  "},
        {4, 0, " Rivet Diameter "},
        {0, 1, "     General Specifications    "},
        {15, 8, " 5/16 (0.3125) "},
    };
    for (const Case& c : cases) {
        if (c.row == 0) clickHeading(c.col);
        else clickCell(c.row, c.col);
        EXPECT_EQ(diam->text(), c.copied) << "row " << c.row << " col " << c.col;
        EXPECT_EQ(grid->Row(), 0);
        EXPECT_EQ(grid->Col(), c.col);
    }
    // Nothing else changes; a reload empties the box.
    EXPECT_EQ(grid->TextMatrix(9, 5), Rivet_table::cell(9, 5));
    w->close();
    MDIForm1::instance().openItem("MenuTestTest");
    diam = child<QLineEdit>(w, "Txtdiam");
    EXPECT_TRUE(diam->text().isEmpty());
}

TEST(RivetTwin, LoadsItsCaptionAndKeepsItsDesignTexts)
{
    auto& twin = Forms::open<FrmRivetsClecoBbar2>();
    EXPECT_EQ(twin.windowTitle(), "Rivets, Drills, Glecos, Bucking Bar-Minimums");
    EXPECT_EQ(child<QLabel>(&twin, "Label1")->text(),
              "Rivets, Drill sizes, Clecos and Buckbars\r\nAll units are in [inches]");
    auto* combo = child<QComboBox>(&twin, "CboRivetsize");
    EXPECT_EQ(combo->currentText(), "Rivet Diameter");
    EXPECT_EQ(combo->count(), 0);
    const std::pair<const char*, const char*> boxes[] = {
        {"Text1", "Text1"}, {"Text2", "Text1"}, {"Text3", "Text3"}, {"Text4", "Text4"}};
    for (const auto& [name, text] : boxes) EXPECT_EQ(child<QLineEdit>(&twin, name)->text(), text) << name;
    // It does not place itself.
    EXPECT_EQ(twin.Width(), 12720);
    twin.close();
}

TEST(RivetTwin, ShowsTheTableOneRowPerDiameter)
{
    auto& twin = Forms::open<FrmRivetsClecoBbar2>();
    auto* grid = child<FlexGrid>(&twin, "MSHFlexGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Rows(), 8);
    EXPECT_EQ(grid->Cols(), 9);
    EXPECT_TRUE(grid->wordWrap());
    const QStringList across = {" Rivet Diameter ", " Drill Decimal ",   " Oversize Drill ",
                                " Drill Number ",   " Cleco Color ",     " Buck.Bar Weight ",
                                " Min.Rivet Pitch ", " Max. Rivet Pitch ", " Min.Edge Dist. "};
    const QStringList down = {" 1/16 (0.0625) ", " 3/32 (0.0937) ", " 1/8 (0.125) ",  " 5/32 (0.15625)  ",
                              " 3/16 (0.1875) ", " 1/4 (0.25) ",    " 5/16 (0.3125) "};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(grid->TextMatrix(0, c), across[c]) << "column " << c;
        EXPECT_EQ(grid->horizontalHeaderItem(c)->textAlignment(), int(Qt::AlignCenter)) << "column " << c;
    }
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(grid->TextMatrix(r, 0), down[r - 1]) << "row " << r;
        // Row r is column r + 1 of the rivet window's grid, turned on its side.
        for (int c = 1; c <= 8; ++c) EXPECT_EQ(grid->TextMatrix(r, c), Rivet_table::cell(c, r + 1)) << r << "," << c;
    }
    struct Case {
        int row, col;
        const char* text;
    };
    const Case cases[] = {{1, 1, "  "},      {1, 3, " #51 "},          {1, 6, "  3/16 "},
                          {6, 3, " F (6.4MM)"}, {7, 8, " 5/8 "},     {2, 7, "1 1/8"}};
    for (const Case& c : cases) EXPECT_EQ(grid->TextMatrix(c.row, c.col), c.text) << c.row << "," << c.col;
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
    twin.close();
}
