#include "tests/scenarios/CoreRun.h"

#include "app/Drelvik.h"
#include "controls/form/CommandButtonBase.h"
#include "controls/form/FormControls.h"
#include "controls/form/ListBoxBase.h"
#include "controls/form/RasterBoard.h"
#include "controls/form/TextBoxBase.h"
#include "controls/Toolkit.h"

#include <string>
#include <vector>

namespace {

using controls::ControlDescription;

class MemoryBoard : public controls::RasterBoard
{
public:
    using RasterBoard::pressAt;
    using RasterBoard::RasterBoard;

protected:
    void imageChanged(const controls::PixelRect&) override {}
};

class MemoryList : public controls::ListBoxBase
{
public:
    void AddItem(const std::string& text) override { rows_.push_back(text); }
    int ListCount() const override { return int(rows_.size()); }
    int ListIndex() const override { return selected_; }

protected:
    void removeRow(int row) override { rows_.erase(rows_.begin() + row); }
    void removeAllRows() override { rows_.clear(); }
    std::string rowText(int row) const override { return rows_.at(std::size_t(row)); }
    void showSelection(int row) override { selected_ = row; }
    // No screen, so no focus to show and every row in view.
    void takeFocus() override {}
    int rowsInView() const override { return ListCount(); }

private:
    std::vector<std::string> rows_;
    int selected_ = -1;
};

class MemoryButton : public controls::CommandButtonBase
{
public:
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool shownEnabled() const override { return enabled_; }
    void takeFocus() override {}
    void click() const
    {
        if (enabled_)
            raiseClick();
    }

private:
    bool enabled_ = true;
};

class MemoryText : public controls::TextBoxBase
{
protected:
    void showText(const std::string&) override {}
};

class MemoryForm : public controls::FormControls<std::unique_ptr, MemoryBoard, MemoryList, MemoryButton, MemoryText>
{
public:
    MemoryForm(const controls::FormDescription& description, double scale)
        : FormControls(description)
    {
        for (const ControlDescription& control : description.controls)
            add(control, description.look, scale);
    }

    void Show() override {}

protected:
    // No controls of its own to show in other colours: only the boards.
    void recolour(const controls::FormDescription&) override {}

private:
    void add(const ControlDescription& control, const controls::FormLook& look, double scale)
    {
        const controls::ControlKey key{control.name, control.index};
        switch (control.kind) {
        case controls::ControlKind::PictureBox:
            boards_[key] = std::make_unique<MemoryBoard>(control, look, scale);
            break;
        case controls::ControlKind::ListBox: lists_[key] = std::make_unique<MemoryList>(); break;
        case controls::ControlKind::CommandButton: buttons_[key] = std::make_unique<MemoryButton>(); break;
        case controls::ControlKind::TextBox: textBoxes_[key] = std::make_unique<MemoryText>(); break;
        case controls::ControlKind::Label: break;
        }
    }
};

class MemoryToolkit : public controls::Toolkit
{
public:
    explicit MemoryToolkit(double scale)
        : scale_(scale)
    {
    }

    std::unique_ptr<controls::Form> createForm(const controls::FormDescription& description) override
    {
        return std::make_unique<MemoryForm>(description, scale_);
    }
    std::string decimalSeparator() const override { return "."; }
    int exec() override { return 0; }

private:
    double scale_;
};

} // namespace

CoreRun::CoreRun(double scale)
    : toolkit_(std::make_unique<MemoryToolkit>(scale))
    , program_(std::make_unique<Drelvik>(*toolkit_))
{
}

CoreRun::~CoreRun() = default;

void CoreRun::pressBoard(int x, int y)
{
    auto& board = dynamic_cast<MemoryBoard&>(program_->window().Picture1());
    board.pressAt(controls::mouse::LeftButton, 0, x, y);
}

void CoreRun::clickButton(std::int16_t button)
{
    dynamic_cast<const MemoryButton&>(program_->window().Command1(button)).click();
}

const controls::Raster& CoreRun::boardImage() const
{
    return dynamic_cast<const MemoryBoard&>(program_->window().Picture1()).image();
}
