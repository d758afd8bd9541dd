// The route tree and leg tabs of the command-line program: there is nothing
// to show them in, so they keep nothing.
#pragma once

#include "platform/route_tree.h"

namespace rw {

class ConsoleRouteTree : public RouteTree {
public:
    void DeleteAllItems() override {}
    void UseRouteImages() override {}
    TreeItem InsertTreeItem(TreeItem, std::string_view, int) override { return 0; }
    void Repaint() override {}
    TreeItem SelectedItem() override { return 0; }
    TreeItem FirstRootItem() override { return 0; }
    TreeItem FirstChild(TreeItem) override { return 0; }
    TreeItem NextSibling(TreeItem) override { return 0; }
    void Expand(TreeItem, bool) override {}
};

class ConsoleLegTabs : public LegTabs {
public:
    void DeleteAllTabs() override {}
    void UseLegIcon() override {}
    void InsertTab(int, std::string_view) override {}
};

}  // namespace rw
