#pragma once

#include "controls/form/ControlMap.h"
#include "controls/Form.h"
#include "controls/form/FormBehaviour.h"
#include "controls/form/HighContrastLook.h"
#include "controls/SystemColours.h"

#include <map>
#include <optional>
#include <string_view>

namespace controls {

// A holder for controls that their parent window owns.
template <typename Control>
using Borrowed = Control*;

// A toolkit's window as the program finds its controls: by name and index,
// in maps of the toolkit's own control types, each held as the toolkit
// holds it (std::unique_ptr, or Borrowed where the toolkit owns them). What
// the window decides is its behaviour's; the boards follow its focus cues.
template <template <typename...> typename Holder, typename BoardType, typename ListType, typename ButtonType,
          typename TextType>
class FormControls : public Form
{
public:
    explicit FormControls(const FormDescription& description, bool focusCuesAlwaysShown = false)
        : behaviour_(description, focusCuesAlwaysShown)
    {
    }

    Board& board(std::string_view name, int index = -1) override { return findControl(boards_, name, index); }
    ListBox& listBox(std::string_view name, int index = -1) override { return findControl(lists_, name, index); }
    CommandButton& commandButton(std::string_view name, int index = -1) override
    {
        return findControl(buttons_, name, index);
    }
    TextBox& textBox(std::string_view name, int index = -1) override { return findControl(textBoxes_, name, index); }

protected:
    template <typename Control>
    using Keyed = std::map<ControlKey, Holder<Control>>;

    Keyed<BoardType> boards_;
    Keyed<ListType> lists_;
    Keyed<ButtonType> buttons_;
    Keyed<TextType> textBoxes_;
    FormBehaviour behaviour_;

    // Whether a control that takes the focus can take it now: buttons are
    // the controls the program disables.
    FormBehaviour::CanTakeFocus canTakeFocus() const
    {
        return [this](const ControlKey& key) {
            const auto button = buttons_.find(key);
            return button == buttons_.end() || button->second->shownEnabled();
        };
    }

    // The boards show the window's focus cues; told when the controls are made.
    void showFocusCuesOnBoards()
    {
        for (const auto& [key, board] : boards_)
            board->setFocusCuesShown(behaviour_.focusCues().shown());
    }

    // Shows the window in the colours of the system's high-contrast mode, or
    // as designed when there is none: called once the controls are made and
    // again whenever the system's mode or colours change. The boards show
    // their pictures again in the new look; nothing entered changes.
    void showInSystemColours(const std::optional<SystemColours>& system)
    {
        const FormDescription shown = HighContrastLook::shownForm(behaviour_.description(), system);
        for (const auto& [key, board] : boards_)
            board->setLook(shown.look);
        recolour(shown);
    }

    // The toolkit's own controls and the window take the colours of the
    // window as shown: its background, the labels' and buttons' colours and
    // the look's captions, edges, focus outline and selected rows.
    virtual void recolour(const FormDescription& shown) = 0;
};

} // namespace controls
