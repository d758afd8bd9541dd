// The main dialog's route tree and leg tabs for the Build.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/route_tree.h"

namespace rw {

class Win32RouteTree : public RouteTree {
public:
    Win32RouteTree(const HWND* tree, const HINSTANCE* instance) : tree_(tree), instance_(instance) {}
    ~Win32RouteTree() override;

    void DeleteAllItems() override;
    void UseRouteImages() override;
    TreeItem InsertTreeItem(TreeItem parent, std::string_view text, int image) override;
    void Repaint() override;
    TreeItem SelectedItem() override;
    TreeItem FirstRootItem() override;
    TreeItem FirstChild(TreeItem item) override;
    TreeItem NextSibling(TreeItem item) override;
    void Expand(TreeItem item, bool expand) override;

private:
    const HWND* tree_;
    const HINSTANCE* instance_;
    HIMAGELIST images_ = nullptr;
};

class Win32LegTabs : public LegTabs {
public:
    Win32LegTabs(const HWND* tabs, const HINSTANCE* instance) : tabs_(tabs), instance_(instance) {}
    ~Win32LegTabs() override;

    void DeleteAllTabs() override;
    void UseLegIcon() override;
    void InsertTab(int index, std::string_view text) override;

private:
    const HWND* tabs_;
    const HINSTANCE* instance_;
    HIMAGELIST images_ = nullptr;
};

}  // namespace rw
