// A route tree and leg tabs for the tests: items kept in insertion order
// with their parents, texts, images and expanded state.
#pragma once

#include <string>
#include <vector>

#include "platform/route_tree.h"

namespace rw::test {

class FakeRouteTree : public RouteTree {
public:
    struct Item {
        TreeItem parent;
        std::string text;
        int image;
        bool expanded = false;
    };

    void DeleteAllItems() override { items.clear(); }
    void UseRouteImages() override { hasImages = true; }
    TreeItem InsertTreeItem(TreeItem parent, std::string_view text, int image) override
    {
        items.push_back({parent, std::string(text), image});
        return items.size();  // items are numbered from 1
    }
    void Repaint() override { ++repaints; }
    TreeItem SelectedItem() override { return selected; }
    TreeItem FirstRootItem() override { return NextWithParent(0, 0); }
    TreeItem FirstChild(TreeItem item) override { return NextWithParent(item, 0); }
    TreeItem NextSibling(TreeItem item) override
    {
        return item == 0 ? 0 : NextWithParent(items[item - 1].parent, item);
    }
    void Expand(TreeItem item, bool expand) override { items[item - 1].expanded = expand; }

    const Item& At(TreeItem item) const { return items[item - 1]; }
    std::vector<std::string> ChildTexts(TreeItem parent) const
    {
        std::vector<std::string> texts;
        for (const Item& i : items) {
            if (i.parent == parent) {
                texts.push_back(i.text);
            }
        }
        return texts;
    }

    std::vector<Item> items;
    TreeItem selected = 0;
    bool hasImages = false;
    int repaints = 0;

private:
    // The first item after `after` whose parent is parent.
    TreeItem NextWithParent(TreeItem parent, TreeItem after) const
    {
        for (TreeItem i = after + 1; i <= items.size(); ++i) {
            if (items[i - 1].parent == parent) {
                return i;
            }
        }
        return 0;
    }
};

class FakeLegTabs : public LegTabs {
public:
    void DeleteAllTabs() override { tabs.clear(); }
    void UseLegIcon() override { hasIcon = true; }
    void InsertTab(int index, std::string_view text) override
    {
        tabs.insert(tabs.begin() + index, std::string(text));
    }

    std::vector<std::string> tabs;
    bool hasIcon = false;
};

}  // namespace rw::test
