// UndoTest.cpp: undo and redo in the grid window, by keys and by the edit commands: the listener
// hears of an undo and a redo as of the action, and the host's own stores forget the history.
#include "NavigationFixture.h"

#include "core/KwClipboard.h"

namespace {

class GridUndoWindow : public GridNavigationTest
{
protected:
    Calls Run(const std::function<void()>& action)
    {
        host.m_calls.clear();
        action();
        return host.m_calls;
    }
    // The action, its undo back to the texts before it, and its redo back to the texts and the
    // white box after it, each with the listener's calls compared whole.
    void Step(const Calls& actionCalls, const std::function<void()>& action, const Calls& undoCalls,
              const std::function<void()>& undo, const Calls& redoCalls, const std::function<void()>& redo)
    {
        Calls before = GridHost::Texts(grid);
        EXPECT_EQ(actionCalls, Run(action));
        Calls after = GridHost::Texts(grid);
        std::string box = Box();
        EXPECT_EQ(undoCalls, Run(undo));
        EXPECT_EQ(before, GridHost::Texts(grid));
        EXPECT_EQ(redoCalls, Run(redo));
        EXPECT_EQ(box, Box());
        EXPECT_EQ(after, GridHost::Texts(grid));
    }
    std::function<void()> Command(UINT nID)
    {
        return [this, nID] { grid.SendMessage(WM_COMMAND, nID); };
    }
    std::function<void()> Key(UINT nKey, std::initializer_list<UINT> modifiers = {VK_CONTROL})
    {
        return [this, nKey, modifiers] { host.PressKey(nKey, modifiers); };
    }
};

} // namespace

TEST_F(GridUndoWindow, EachActionIsOneStepTheListenerHearsOfAsOfTheAction)
{
    Fill(4);
    Click(1, 1);
    // Typing is one step; its undo and redo tell of the whole cell once.
    Step({"BeginEditItem 1 1", "ItemChanged 1 1 text=x index=-1", "ContentChanged", "ItemChanged 1 1 text=xy index=-1",
          "ContentChanged"},
         [&] { host.PressKeys({'X', 'Y'}); }, {"ItemChanged 1 1 text=b1 index=-1", "ContentChanged", "BeginEditItem 1 1"},
         Key('Z'), {"ItemChanged 1 1 text=xy index=-1", "ContentChanged", "BeginEditItem 1 1"}, Key('Y'));

    CKwClipboard::PutText("p\tq\tr\r\ns\tt\tu");
    grid.SetFocus();
    Step({"CanPaste", "CanPaste", "BeginEditItem 1 1", "ContentChanged"}, Command(ID_EDIT_PASTE),
         {"BeginEditItem 1 1", "ContentChanged"}, Command(ID_EDIT_UNDO), {"BeginEditItem 1 1", "ContentChanged"},
         Command(ID_EDIT_REDO));

    Click(0, 3, MK_SHIFT);
    grid.SetFocus();
    Step({"CanDelete", "CanDelete", "CanDelete", "BeginEditItem 0 1", "ContentChanged"}, Command(ID_EDIT_CUT),
         {"BeginEditItem 0 1", "ContentChanged"}, Command(ID_EDIT_UNDO), {"BeginEditItem 0 1", "ContentChanged"},
         Command(ID_EDIT_REDO));
    Command(ID_EDIT_UNDO)();
    EXPECT_EQ("box 0 1, lines 1 2 3", Box());

    Step({"CanSwapLines 1 2", "ContentChanged", "BeginEditItem 0 2"}, Key(VK_DOWN), {"ContentChanged", "BeginEditItem 0 1"},
         Key('Z'), {"ContentChanged", "BeginEditItem 0 2"}, Key('Y'));
}

TEST_F(GridUndoWindow, TheHostsOwnStoresForgetTheHistoryButThoseItMakesWhenTold)
{
    Fill(3);
    Click(0, 0);
    // A total kept by the listener follows the undo as it followed the edit.
    host.m_contentChanged = [&] { grid.SetTextItem(2, 2, grid.GetItemText(0, 0) + "!"); };
    host.PressKey('X');
    Key('Z')();
    EXPECT_EQ("a0!", std::string(grid.GetItemText(2, 2)));
    EXPECT_TRUE(grid.IsRedoAllowed());
    host.m_contentChanged = nullptr;
    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(grid.IsRedoAllowed());
    grid.SetReadOnly(FALSE);
    grid.SetTextItem(1, 1, "host");
    EXPECT_FALSE(grid.IsRedoAllowed());

    // Turned off, nothing is recorded and Ctrl+Z is the edit box's own again.
    grid.GetUndoHistory().SetEnabled(FALSE);
    Click(0, 0);
    host.PressKey('Q');
    EXPECT_FALSE(grid.IsUndoAllowed());
    Key('Z')();
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|host|c1", "a2|b2|a0!"}), GridHost::Texts(grid));
}
