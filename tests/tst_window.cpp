#include "WindowDriver.h"

#include "app/DrelvikDesign.h"
#include "controls/qt/QtBoard.h"
#include "controls/qt/QtListBox.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startsWithEmptyWorksheetAndTaskStatement();
    void taskStatementShowsAsTwentyFiveLines();
    void controlGeometry_data();
    void controlGeometry();
    void colours_data();
    void colours();
    void captions_data();
    void captions();
    void windowIsFixedAndTitled();
    void tabOrder_data();
    void tabOrder();
    void typingIntoReportChangesNothing();
    void disabledCalculateRaisesNoClick();
    void listRaisesClickInsideSetterOnlyOnChange();
    void removingARowLeavesNoSelection();
    void destroyingTheWindowObjectClosesTheWindow();
};

void WindowTest::startsWithEmptyWorksheetAndTaskStatement()
{
    WindowDriver driver;
    for (int list = 0; list < 3; ++list) {
        QVERIFY(driver.rows(list).isEmpty());
        QCOMPARE(driver.window().List1(list).ListIndex(), -1);
    }
    QVERIFY(!driver.button(0)->isEnabled());
    QVERIFY(driver.button(1)->isEnabled());
    QVERIFY(driver.button(2)->isEnabled());
    QCOMPARE(driver.report(), std::string(TaskStatement));
    QCOMPARE(driver.window().Text1(1).Text(), std::string("Други сметки\r\n"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));

    const Worksheet& sheet = driver.sheet();
    QCOMPARE(sheet.GridStep, 20);
    QCOMPARE(sheet.BoardWidth, 343.0f);
    QCOMPARE(sheet.BoardHeight, 229.0f);
    QCOMPARE(sheet.PointCount, 0);
    QCOMPARE(sheet.OrientedDeterminant, 0);
    QCOMPARE(sheet.TriangleArea, 0.0);
    QCOMPARE(sheet.PointSegmentDistance, 0.0);
    QVERIFY(driver.board()->AutoRedraw());
}

void WindowTest::taskStatementShowsAsTwentyFiveLines()
{
    const std::string statement = TaskStatement;
    int lineEnds = 0;
    for (std::size_t at = statement.find("\r\n"); at != std::string::npos; at = statement.find("\r\n", at + 2))
        ++lineEnds;
    QCOMPARE(lineEnds, 25);
    QVERIFY(statement.find('\n') == statement.find("\r\n") + 1);
    QVERIFY(statement.rfind("или е извън тях.\r\n") == statement.size() - std::string("или е извън тях.\r\n").size());
    QVERIFY(statement.find("основно понятия в геометрията. Тя се състои \r\n") != std::string::npos);
    QVERIFY(statement.find("Тема на проекта: Drelvik.\r\n") != std::string::npos);

    WindowDriver driver;
    auto* box = driver.widget<QPlainTextEdit>(QStringLiteral("Text1(0)"));
    QString shown = QString::fromStdString(statement);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(box->toPlainText(), shown);
    QVERIFY(!box->toPlainText().contains(QLatin1Char('\r')));
}

void WindowTest::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");

    QTest::newRow("title") << "Label1(0)" << QRect(48, 0, 385, 25) << true;
    QTest::newRow("prompt") << "Label1(3)" << QRect(8, 32, 345, 25) << true;
    QTest::newRow("x heading") << "Label1(1)" << QRect(368, 32, 49, 25) << true;
    QTest::newRow("y heading") << "Label1(2)" << QRect(424, 32, 41, 25) << true;
    QTest::newRow("board") << "Picture1" << QRect(8, 56, 347, 233) << true;
    QTest::newRow("x list") << "List1(0)" << QRect(368, 56, 49, 80) << true;
    QTest::newRow("y list") << "List1(1)" << QRect(424, 56, 41, 80) << true;
    QTest::newRow("upward y list") << "List1(2)" << QRect(440, 152, 33, 80) << false;
    QTest::newRow("calculate") << "Command1(0)" << QRect(376, 160, 73, 25) << true;
    QTest::newRow("clear") << "Command1(1)" << QRect(376, 208, 73, 25) << true;
    QTest::newRow("delete") << "Command1(2)" << QRect(376, 256, 73, 25) << true;
    QTest::newRow("report") << "Text1(0)" << QRect(8, 296, 457, 113) << true;
    QTest::newRow("other sums") << "Text1(1)" << QRect(136, 344, 449, 27) << false;
}

void WindowTest::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);

    WindowDriver driver;
    QWidget* control = driver.widget<QWidget>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), driver.top());
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isVisible(), visible);
    if (name == QLatin1String("Picture1"))
        QCOMPARE(driver.board()->contentsRect(), QRect(2, 2, 343, 229));
}

void WindowTest::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");

    const QColor label(255, 192, 128);
    QTest::newRow("window") << "" << QPoint(2, 400) << QColor(128, 128, 255);
    QTest::newRow("title label") << "Label1(0)" << QPoint(3, 3) << label;
    QTest::newRow("prompt label") << "Label1(3)" << QPoint(3, 3) << label;
    QTest::newRow("x label") << "Label1(1)" << QPoint(3, 20) << label;
    QTest::newRow("y label") << "Label1(2)" << QPoint(3, 20) << label;
    QTest::newRow("calculate") << "Command1(0)" << QPoint(5, 12) << QColor(128, 255, 128);
    QTest::newRow("clear") << "Command1(1)" << QPoint(5, 12) << QColor(255, 0, 0);
    QTest::newRow("delete") << "Command1(2)" << QPoint(5, 12) << QColor(192, 0, 192);
    QTest::newRow("board") << "Picture1" << QPoint(12, 12) << QColor(Qt::white);
}

void WindowTest::colours()
{
    QFETCH(QString, name);
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);

    WindowDriver driver;
    QWidget* control = name.isEmpty() ? driver.top() : driver.widget<QWidget>(name);
    QCOMPARE(control->grab().toImage().pixelColor(where), colour);
}

void WindowTest::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("title") << "Label1(0)" << "Drelvik\n";
    QTest::newRow("prompt") << "Label1(3)" << "Посочете трите точки";
    QTest::newRow("x heading") << "Label1(1)" << "Ос X";
    QTest::newRow("y heading") << "Label1(2)" << "Ос Y";
    QTest::newRow("calculate") << "Command1(0)" << "Изчисли";
    QTest::newRow("clear") << "Command1(1)" << "Изчисти";
    QTest::newRow("delete") << "Command1(2)" << "Изтрий";
}

void WindowTest::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    WindowDriver driver;
    QWidget* control = driver.widget<QWidget>(name);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
    } else {
        auto* button = qobject_cast<QPushButton*>(control);
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault() && !button->autoDefault());
    }
}

void WindowTest::windowIsFixedAndTitled()
{
    WindowDriver driver;
    QWidget* window = driver.top();
    QCOMPARE(window->windowTitle(), QStringLiteral("www.example.org Torvanel"));
    QCOMPARE(window->size(), QSize(473, 418));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QCOMPARE(window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));

    const QFontInfo font(window->font());
    QVERIFY2(font.family() == QLatin1String("Times New Roman")
                 || font.family() == QLatin1String("Liberation Serif"),
             qPrintable(font.family()));
    QCOMPARE(font.pointSize(), 12);
    QVERIFY(QFontMetrics(window->font()).inFont(QChar(0x0416)));
}

void WindowTest::tabOrder_data()
{
    QTest::addColumn<bool>("calculateEnabled");
    QTest::addColumn<QStringList>("visited");

    QTest::newRow("calculate disabled")
        << false
        << QStringList{"List1(0)", "List1(1)", "Command1(1)", "Command1(2)", "Picture1", "Text1(0)"};
    QTest::newRow("calculate enabled")
        << true
        << QStringList{"List1(0)", "List1(1)", "Command1(0)", "Command1(1)", "Command1(2)", "Picture1",
                       "Text1(0)"};
}

void WindowTest::tabOrder()
{
    QFETCH(bool, calculateEnabled);
    QFETCH(QStringList, visited);

    WindowDriver driver;
    driver.window().Command1(0).SetEnabled(calculateEnabled);
    QStringList actual;
    for (int step = 0; step < visited.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        actual << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(actual, visited);
    // Passing through a list selects nothing in it.
    QCOMPARE(driver.window().List1(0).ListIndex(), -1);
}

void WindowTest::typingIntoReportChangesNothing()
{
    WindowDriver driver;
    auto* box = driver.widget<QPlainTextEdit>(QStringLiteral("Text1(0)"));
    const QString shown = box->toPlainText();
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->toPlainText(), shown);
    QCOMPARE(driver.report(), std::string(TaskStatement));

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(box->textCursor().hasSelection());
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box->toPlainText(), shown);
}

void WindowTest::disabledCalculateRaisesNoClick()
{
    WindowDriver driver;
    driver.clickButton(0);
    QCOMPARE(driver.report(), std::string(TaskStatement));
}

void WindowTest::listRaisesClickInsideSetterOnlyOnChange()
{
    controls::QtListBox list;
    int clicks = 0;
    int indexSeenInClick = -2;
    list.OnClick([&] {
        ++clicks;
        indexSeenInClick = list.ListIndex();
    });
    list.AddItem("1");
    list.AddItem("2");
    QCOMPARE(clicks, 0);

    list.SetListIndex(1);
    QCOMPARE(clicks, 1);
    QCOMPARE(indexSeenInClick, 1);
    list.SetListIndex(1);
    QCOMPARE(clicks, 1);
}

void WindowTest::removingARowLeavesNoSelection()
{
    controls::QtListBox list;
    int clicks = 0;
    list.OnClick([&] { ++clicks; });
    for (const char* text : {"1", "2", "3"})
        list.AddItem(text);
    list.SetListIndex(1);
    list.RemoveItem(1);
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(list.ListCount(), 2);
    QCOMPARE(list.List(1), std::string("3"));
    QCOMPARE(clicks, 1);
}

void WindowTest::destroyingTheWindowObjectClosesTheWindow()
{
    auto count = [] {
        int windows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            windows += widget->objectName() == QLatin1String("Drelvik");
        return windows;
    };
    const int before = count();
    {
        Drelvik drelvik;
        QCOMPARE(count(), before + 1);
    }
    QCOMPARE(count(), before);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
