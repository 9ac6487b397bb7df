#include "window/DrelvikDesign.h"

#include "window/BoardColours.h"
#include "window/ControlIndex.h"

using controls::ControlKind;
using controls::Rgb;
using controls::TextAlignment;

const char* const TaskStatement =
    "В геометрията точката няма дължина, площ или обем. Права \r\n"
    "(права линия) е основно понятия в геометрията. Тя се състои \r\n"
    "от безброй много точки. Отсечка е част от права линия, \r\n"
    "ограничена от две крайни точки и е най-малкото разстояние \r\n"
    "свързващо тези две точки.\r\n"
    "Да се реализира проект, представящ вътрешнопредметни \r\n"
    "връзки в Информатика.\r\n"
    "Тема на проекта: Drelvik.\r\n"
    "Да се създаде графичен потребителски интерфейс, чрез който \r\n"
    "потребителят въвежда (чрез мишката) координатите на: \r\n"
    "начало, край на отсечка и на точка.\r\n"
    "След събитие On-Click, върху команден бутон, да се извежда \r\n"
    "информация дали:\r\n"
    "точката не лежи върху отсечката;\r\n"
    "точката лежи върху продължението на отсечката;\r\n"
    "точката принадлежи на отсечката.\r\n"
    "Да се извежда информация за разстоянието между точката и \r\n"
    "правата, която минава през двете крайни точки на отсечката.\r\n"
    "Задачата за определяне взаимно положение на точка и \r\n"
    "отсечка кореспондира и с задачите за определяне разстояние \r\n"
    "от точка до права, както и определяне дали три точки лежат \r\n"
    "на една права.\r\n"
    "Реализираният проект извежда и съобщение дали проекцията \r\n"
    "на точката върху правата лежи между двете гранични точки \r\n"
    "или е извън тях.\r\n";

namespace {

constexpr Rgb LabelColour{255, 192, 128};

// Black captions, greyed while disabled; the board in a sunken edge two
// pixels wide, in the classic system colours, its marks in a blue the
// program never draws in, so that no mark can be taken for a point or a
// line, and clear of a point's dot; the focus as a black dotted outline
// inside the control; a list's selected row in white on blue; the board's
// picture in the colours the program draws it in.
const controls::FormLook Look{
    Rgb{0, 0, 0},
    Rgb{128, 128, 128},
    controls::EdgeLook{2, Rgb{128, 128, 128}, Rgb{255, 255, 255}, Rgb{64, 64, 64}, Rgb{192, 192, 192}},
    controls::BoardMarkLook{Rgb{0, 0, 255}, 2, 5},
    2,
    controls::FocusOutlineLook{Rgb{0, 0, 0}, 4},
    controls::SelectionLook{Rgb{48, 140, 198}, Rgb{255, 255, 255}},
    controls::BoardColoursLook{look::White, look::Black, look::DarkRed},
};

} // namespace

controls::FormDescription drelvikDesign()
{
    controls::FormDescription window;
    window.name = "Drelvik";
    window.caption = "www.example.org Torvanel";
    window.clientWidth = 473;
    window.clientHeight = 418;
    window.backColor = Rgb{128, 128, 255};
    window.font = {"Times New Roman", "Liberation Serif", 12};
    window.icon = "drelvik";
    window.look = Look;
    // kind, name, index, {left, top, width, height} in pixels, tab index,
    // caption or initial text, background colour, visible, a name for
    // screen readers where no caption or label above gives one, and where a
    // caption stands
    window.controls = {
        {ControlKind::Label, "Label1", 0, {48, 0, 385, 25}, 2, "Drelvik\r\n", LabelColour, true, "", TextAlignment::Centre},
        {ControlKind::Label, "Label1", 3, {8, 32, 345, 25}, 12, "Посочете трите точки", LabelColour, true, "", TextAlignment::Centre},
        {ControlKind::Label, "Label1", 1, {368, 32, 49, 25}, 8, "Ос X", LabelColour, true, "", TextAlignment::Centre},
        {ControlKind::Label, "Label1", 2, {424, 32, 41, 25}, 9, "Ос Y", LabelColour, true, "", TextAlignment::Centre},
        {ControlKind::PictureBox, "Picture1", -1, {8, 56, 347, 233}, 11, "", std::nullopt, true, ""},
        {ControlKind::ListBox, "List1", lists::X, {368, 56, 49, 80}, 3, "", std::nullopt, true, ""},
        {ControlKind::ListBox, "List1", lists::Y, {424, 56, 41, 80}, 4, "", std::nullopt, true, ""},
        {ControlKind::ListBox, "List1", lists::UpwardY, {440, 152, 33, 80}, 10, "", std::nullopt, false, "Ос Y нагоре"},
        {ControlKind::CommandButton, "Command1", buttons::Calculate, {376, 160, 73, 25}, 5, "Изчисли", Rgb{128, 255, 128}, true, ""},
        {ControlKind::CommandButton, "Command1", buttons::Clear, {376, 208, 73, 25}, 6, "Изчисти", Rgb{255, 0, 0}, true, ""},
        {ControlKind::CommandButton, "Command1", buttons::Delete, {376, 256, 73, 25}, 7, "Изтрий", Rgb{192, 0, 192}, true, ""},
        {ControlKind::TextBox, "Text1", textBoxes::Report, {8, 296, 457, 113}, 0, TaskStatement, std::nullopt, true, "Отчет"},
        {ControlKind::TextBox, "Text1", textBoxes::OtherSums, {136, 344, 449, 27}, 1, "Други сметки\r\n", std::nullopt, false, "Други сметки"},
    };
    return window;
}
