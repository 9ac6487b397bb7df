#include "bench/FloorWindow.h"

#include "controls/qt/QtConvert.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTest>

namespace {

constexpr int GridStep = 20;

QColor colourOf(controls::Rgb colour)
{
    return controls::toQColor(colour);
}

// A plain program colours a button through its palette, which the style
// draws its own face in.
void paintFace(QPushButton* button, controls::Rgb face)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colourOf(face));
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
}

QPoint snapped(QPoint at)
{
    const auto snap = [](int pixel) { return (pixel + GridStep / 2) / GridStep * GridStep; };
    return QPoint(snap(at.x()), snap(at.y()));
}

} // namespace

FloorWindow::FloorWindow(const controls::FormDescription& design)
{
    setFixedSize(design.clientWidth, design.clientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourOf(design.backColor));
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font;
    font.setFamilies({QString::fromStdString(design.font.family),
                      QString::fromStdString(design.font.fallbackFamily)});
    font.setPointSize(design.font.pointSize);
    setFont(font);

    for (const controls::ControlDescription& control : design.controls) {
        QWidget* widget = build(control);
        const controls::PixelRect& bounds = control.bounds;
        widget->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
        widget->setVisible(control.visible);
    }
    board_->pressed = [this](QPoint at) { addPoint(snapped(at)); };
    connect(lists_[lists::X], &QListWidget::itemSelectionChanged, this, [this] { select(selectedRow()); });
    connect(buttons_[buttons::Calculate], &QPushButton::clicked, this, [this] { calculate(); });
    connect(buttons_[buttons::Clear], &QPushButton::clicked, this, [this] { clear(); });
    connect(buttons_[buttons::Delete], &QPushButton::clicked, this, [this] { deleteSelected(); });
    board_->redraw(points_);
    buttons_[buttons::Calculate]->setEnabled(false);
}

QWidget* FloorWindow::build(const controls::ControlDescription& control)
{
    const QString text = controls::toDisplayText(control.text);
    switch (control.kind) {
    case controls::ControlKind::PictureBox:
        return board_ = new FloorBoard(control.bounds.width, control.bounds.height, this);
    case controls::ControlKind::ListBox: {
        auto* list = new QListWidget(this);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setUniformItemSizes(true);
        return lists_.at(control.index) = list;
    }
    case controls::ControlKind::CommandButton: {
        auto* button = new QPushButton(text, this);
        paintFace(button, control.backColor.value_or(controls::Rgb{}));
        return buttons_.at(control.index) = button;
    }
    case controls::ControlKind::TextBox: {
        auto* box = new QPlainTextEdit(text, this);
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (control.index == textBoxes::Report)
            report_ = box;
        return box;
    }
    case controls::ControlKind::Label:
        break;
    }
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colourOf(control.backColor.value_or(controls::Rgb{})));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

void FloorWindow::setCalculationReport(const std::string& text)
{
    calculationReport_ = controls::toDisplayText(text);
}

QWidget* FloorWindow::top() const
{
    return const_cast<FloorWindow*>(this);
}

void FloorWindow::pressBoard(int x, int y)
{
    const QPoint at = board_->contentsRect().topLeft() + QPoint(x, y);
    QTest::mousePress(board_, Qt::LeftButton, {}, at);
    QTest::mouseRelease(board_, Qt::LeftButton, {}, at);
}

void FloorWindow::clickRow(int row)
{
    QListWidget* list = lists_[lists::X];
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void FloorWindow::clickButton(std::int16_t button)
{
    QTest::mouseClick(buttons_.at(button), Qt::LeftButton);
}

int FloorWindow::rowCount() const
{
    return lists_[lists::X]->count();
}

int FloorWindow::selectedRow() const
{
    return lists_[lists::X]->currentRow();
}

void FloorWindow::addPoint(QPoint at)
{
    if (points_.size() == PointLimit)
        return;
    points_.push_back(at);
    board_->drawPoint(at, Qt::black);
    lists_[lists::X]->addItem(QString::number(at.x() / GridStep));
    lists_[lists::Y]->addItem(QString::number(at.y() / GridStep));
    const double upwards = (board_->contentsRect().height() - at.y()) / double(GridStep);
    lists_[lists::UpwardY]->addItem(QString::number(upwards));
    buttons_[buttons::Calculate]->setEnabled(points_.size() == PointLimit);
}

void FloorWindow::select(int row)
{
    if (row < 0)
        return;
    for (QListWidget* list : {lists_[lists::Y], lists_[lists::UpwardY]}) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row);
    }
    if (marked_ >= 0)
        board_->drawPoint(points_[marked_], Qt::black);
    board_->drawPoint(points_[row], QColor(200, 0, 0));
    marked_ = row;
}

void FloorWindow::calculate()
{
    report_->setPlainText(calculationReport_);
    const QPoint side = points_[1] - points_[0];
    const QPoint toPoint = points_[2] - points_[0];
    if (side.x() * toPoint.y() != side.y() * toPoint.x()) {
        board_->drawLine(points_[0], points_[2], Qt::DashDotDotLine);
        board_->drawLine(points_[1], points_[2], Qt::DashDotDotLine);
    }
    board_->drawLine(points_[0], points_[1], Qt::SolidLine);
}

void FloorWindow::clear()
{
    points_.clear();
    marked_ = -1;
    for (QListWidget* list : lists_)
        list->clear();
    board_->redraw(points_);
    report_->clear();
    buttons_[buttons::Calculate]->setEnabled(false);
}

void FloorWindow::deleteSelected()
{
    const int row = selectedRow();
    report_->clear();
    if (row < 0)
        return;
    for (QListWidget* list : lists_) {
        const QSignalBlocker quiet(list);
        delete list->takeItem(row);
        list->setCurrentRow(-1);
    }
    points_.erase(points_.begin() + row);
    marked_ = -1;
    board_->redraw(points_);
    buttons_[buttons::Calculate]->setEnabled(false);
}
