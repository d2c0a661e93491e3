// UndoTest.cpp: undo and redo in the grid window: by keys and by the edit commands, with the
// listener told of an undo and a redo as of the action, the white box where the change is, and
// the history forgotten when the host stores cells itself.
#include "NavigationFixture.h"

#include "core/KwClipboard.h"

namespace {

class GridUndoWindow : public GridNavigationTest
{
protected:
    void Command(UINT nID)
    {
        grid.SendMessage(WM_COMMAND, nID);
        host.Pump();
    }
    // What the listener heard while the action ran, and the texts it left.
    Calls Run(const std::function<void()>& action)
    {
        host.m_calls.clear();
        action();
        return host.m_calls;
    }
    // Undoes and redoes the action, each back to the texts and white box it left.
    void UndoRedo(const Calls& undoCalls, const Calls& redoCalls, const std::function<void()>& undo,
                  const std::function<void()>& redo)
    {
        Calls after = GridHost::Texts(grid);
        std::string box = Box();
        EXPECT_EQ(undoCalls, Run(undo));
        EXPECT_EQ(before, GridHost::Texts(grid));
        EXPECT_EQ(redoCalls, Run(redo));
        EXPECT_EQ(after, GridHost::Texts(grid));
        EXPECT_EQ(box, Box());
    }
    Calls before;
};

} // namespace

TEST_F(GridUndoWindow, EachActionIsOneStepTheListenerHearsOfAsOfTheAction)
{
    Fill(4);
    Click(1, 1);
    before = GridHost::Texts(grid);
    // Typing is one step; its undo and redo tell of the whole cell once.
    EXPECT_EQ((Calls{"BeginEditItem 1 1", "ItemChanged 1 1 text=x index=-1", "ContentChanged",
                     "ItemChanged 1 1 text=xy index=-1", "ContentChanged"}),
              Run([&] { host.PressKeys({'X', 'Y'}); }));
    UndoRedo({"ItemChanged 1 1 text=b1 index=-1", "ContentChanged", "BeginEditItem 1 1"},
             {"ItemChanged 1 1 text=xy index=-1", "ContentChanged", "BeginEditItem 1 1"},
             [&] { host.PressKey('Z', {VK_CONTROL}); }, [&] { host.PressKey('Y', {VK_CONTROL}); });

    before = GridHost::Texts(grid);
    CKwClipboard::PutText("p\tq\tr\r\ns\tt\tu");
    grid.SetFocus();
    EXPECT_EQ((Calls{"CanPaste", "CanPaste", "BeginEditItem 1 1", "ContentChanged"}),
              Run([&] { Command(ID_EDIT_PASTE); }));
    UndoRedo({"BeginEditItem 1 1", "ContentChanged"}, {"BeginEditItem 1 1", "ContentChanged"},
             [&] { Command(ID_EDIT_UNDO); }, [&] { Command(ID_EDIT_REDO); });
    EXPECT_EQ("box 1 1, lines 1 2", Box());

    before = GridHost::Texts(grid);
    Click(0, 3, MK_SHIFT);
    grid.SetFocus();
    EXPECT_EQ((Calls{"CanDelete", "CanDelete", "CanDelete", "BeginEditItem 0 1", "ContentChanged"}),
              Run([&] { Command(ID_EDIT_CUT); }));
    UndoRedo({"BeginEditItem 0 1", "ContentChanged"}, {"BeginEditItem 0 1", "ContentChanged"},
             [&] { Command(ID_EDIT_UNDO); }, [&] { Command(ID_EDIT_REDO); });
    Command(ID_EDIT_UNDO);
    EXPECT_EQ("box 0 1, lines 1 2 3", Box());

    before = GridHost::Texts(grid);
    EXPECT_EQ((Calls{"CanSwapLines 1 2", "ContentChanged", "BeginEditItem 0 2"}),
              Run([&] { host.PressKey(VK_DOWN, {VK_CONTROL}); }));
    UndoRedo({"ContentChanged", "BeginEditItem 0 1"}, {"ContentChanged", "BeginEditItem 0 2"},
             [&] { host.PressKey('Z', {VK_CONTROL}); }, [&] { host.PressKey('Y', {VK_CONTROL}); });
}

TEST_F(GridUndoWindow, TheHostsOwnStoresForgetTheHistoryButThoseItMakesWhenTold)
{
    Fill(3);
    Click(0, 0);
    // A total kept by the listener: it follows the undo as it followed the edit.
    host.m_contentChanged = [&] { grid.SetTextItem(2, 2, grid.GetItemText(0, 0) + "!"); };
    host.PressKey('X');
    EXPECT_EQ("x!", std::string(grid.GetItemText(2, 2)));
    host.PressKey('Z', {VK_CONTROL});
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
    host.PressKeys({'Q'});
    EXPECT_FALSE(grid.IsUndoAllowed());
    host.PressKey('Z', {VK_CONTROL});
    EXPECT_EQ((Calls{"a0|b0|c0", "a1|host|c1", "a2|b2|a0!"}), GridHost::Texts(grid));
}
