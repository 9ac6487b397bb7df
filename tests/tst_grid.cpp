#include "WindowDriver.h"

#include "board/BoardGrid.h"
#include "controls/qt/QtBoard.h"

#include <QTest>

#include <stdexcept>
#include <vector>

namespace {

// A board that only remembers what it was asked to draw, to count the grid
// lines that the real board would clip away.
class RecordingBoard : public controls::Board
{
public:
    struct Stroke {
        float x1, y1, x2, y2;
        std::optional<controls::Rgb> colour;
        std::int16_t width;
        controls::DrawStyle style;
    };

    RecordingBoard(float width, float height)
        : width_(width)
        , height_(height)
    {
    }

    void SetScaleMode(controls::ScaleMode) override {}
    void SetAutoRedraw(bool) override {}
    bool AutoRedraw() const override { return true; }
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    void SetBackColor(controls::Rgb) override {}
    void SetDrawWidth(std::int16_t pixels) override { width = pixels; }
    void SetDrawStyle(controls::DrawStyle pattern) override { style = pattern; }
    void Cls() override {}
    void Line(float x1, float y1, float x2, float y2, std::optional<controls::Rgb> colour) override
    {
        strokes.push_back({x1, y1, x2, y2, colour, width, style});
    }
    void PSet(float, float, std::optional<controls::Rgb>) override {}
    controls::Rgb Point(int, int) const override { return {}; }
    void OnMouseDown(MouseDownHandler) override {}

    std::vector<Stroke> strokes;
    std::int16_t width = 5;
    controls::DrawStyle style = controls::DrawStyle::Solid;

private:
    float width_;
    float height_;
};

class BoardOnlyForm : public controls::Form
{
public:
    explicit BoardOnlyForm(RecordingBoard& board)
        : board_(board)
    {
    }

    controls::Board& board(std::string_view, int) override { return board_; }
    controls::ListBox& listBox(std::string_view, int) override { throw std::out_of_range("list"); }
    controls::CommandButton& commandButton(std::string_view, int) override
    {
        throw std::out_of_range("button");
    }
    controls::TextBox& textBox(std::string_view, int) override { throw std::out_of_range("text box"); }
    void Show() override {}

private:
    RecordingBoard& board_;
};

const QColor Black(Qt::black);
const QColor White(Qt::white);

// One period of the dash-dot-dot pen from a line's first point: a dash and
// two dots, as the board draws it.
const char* const DashDotDot = "####..#..#..";

} // namespace

class GridTest : public QObject
{
    Q_OBJECT

private slots:
    void linesLieOneStepApartOverWhite();
    void linesFollowTheDashDotDotRhythm();
    void nothingBelowTheLastLine();
    void lineCountIsRoundedHalfToEven_data();
    void lineCountIsRoundedHalfToEven();
    void resetTwiceLooksLikeResetOnce();
};

void GridTest::linesLieOneStepApartOverWhite()
{
    WindowDriver driver;
    for (int y = 0; y <= 220; y += 20)
        QCOMPARE(driver.pixel(1, y), Black);
    for (int x = 0; x <= 340; x += 20)
        QCOMPARE(driver.pixel(x, 1), Black);
    for (int y = 10; y < 229; y += 20) {
        for (int x = 10; x < 343; x += 20)
            QCOMPARE(driver.pixel(x, y), White);
    }
}

void GridTest::linesFollowTheDashDotDotRhythm()
{
    WindowDriver driver;
    for (int along = 1; along < 20; ++along) {
        const QColor expected = DashDotDot[along % 12] == '#' ? Black : White;
        QCOMPARE(driver.pixel(along, 100), expected);
        QCOMPARE(driver.pixel(along + 20, 100), DashDotDot[(along + 20) % 12] == '#' ? Black : White);
        QCOMPARE(driver.pixel(100, along), expected);
    }
}

void GridTest::nothingBelowTheLastLine()
{
    WindowDriver driver;
    for (int y = 221; y < 229; ++y) {
        for (int x = 1; x < 343; ++x) {
            if (x % 20 != 0)
                QCOMPARE(driver.pixel(x, y), White);
        }
    }
}

void GridTest::lineCountIsRoundedHalfToEven_data()
{
    QTest::addColumn<float>("height");
    QTest::addColumn<int>("horizontalLines");

    QTest::newRow("229: 11.45 -> 11") << 229.0f << 12;
    QTest::newRow("230: 11.5 -> 12") << 230.0f << 13;
    QTest::newRow("240: 12 -> 12") << 240.0f << 13;
    QTest::newRow("250: 12.5 -> 12") << 250.0f << 13;
    QTest::newRow("270: 13.5 -> 14") << 270.0f << 15;
}

void GridTest::lineCountIsRoundedHalfToEven()
{
    QFETCH(float, height);
    QFETCH(int, horizontalLines);

    RecordingBoard board(343, height);
    BoardOnlyForm form(board);
    Window window(form);
    window.worksheet().GridStep = 20;
    window.worksheet().BoardWidth = 343;
    window.worksheet().BoardHeight = height;
    DrawGrid(window);

    // 343 / 20 = 17.15: eighteen vertical lines, x = 0 to 340, drawn after
    // the horizontal ones; all span the recorded size, in black dash-dot-dot.
    QCOMPARE(int(board.strokes.size()), horizontalLines + 18);
    for (int i = 0; i < int(board.strokes.size()); ++i) {
        const RecordingBoard::Stroke& stroke = board.strokes[i];
        const bool horizontal = i < horizontalLines;
        const float at = float((horizontal ? i : i - horizontalLines) * 20);
        QCOMPARE(stroke.x1, horizontal ? 0.0f : at);
        QCOMPARE(stroke.y1, horizontal ? at : 0.0f);
        QCOMPARE(stroke.x2, horizontal ? 343.0f : at);
        QCOMPARE(stroke.y2, horizontal ? at : height);
        QVERIFY(stroke.colour == controls::Rgb{});
        QCOMPARE(stroke.width, 1);
        QVERIFY(stroke.style == controls::DrawStyle::DashDotDot);
    }
}

void GridTest::resetTwiceLooksLikeResetOnce()
{
    WindowDriver driver;
    const QImage start = driver.board()->grab().toImage();
    driver.press(100, 100);
    driver.press(140, 60);
    driver.clickRow(0, 1);

    ResetBoard(driver.window());
    const QImage once = driver.board()->grab().toImage();
    ResetBoard(driver.window());
    QCOMPARE(driver.board()->grab().toImage(), once);
    QCOMPARE(once, start);
    QVERIFY(driver.rows(0).isEmpty() && driver.rows(1).isEmpty() && driver.rows(2).isEmpty());
    QCOMPARE(driver.window().List1(0).ListIndex(), -1);
    QCOMPARE(driver.sheet().PointCount, 0);
    QVERIFY(!driver.button(0)->isEnabled());
    // The report box is the caller's business.
    QVERIFY(!driver.report().empty());
}

QTEST_MAIN(GridTest)
#include "tst_grid.moc"
