// The main window's route tree and leg tabs, as the Build fills them.
#pragma once

#include <cstdint>
#include <string_view>

namespace rw {

// An item of the tree; 0 is none, and as a parent the top level.
using TreeItem = std::uintptr_t;

class RouteTree {
public:
    virtual ~RouteTree() = default;

    virtual void DeleteAllItems() = 0;
    // Gives the tree its images: the 12-pixel strip of point types followed
    // by the leg icon (index kLegImage).
    virtual void UseRouteImages() = 0;
    // Appends an item as the last child of parent; image 0 means none, in
    // both the normal and the selected state.
    virtual TreeItem InsertTreeItem(TreeItem parent, std::string_view text, int image) = 0;
    virtual void Repaint() = 0;

    virtual TreeItem SelectedItem() = 0;
    virtual TreeItem FirstRootItem() = 0;
    virtual TreeItem FirstChild(TreeItem item) = 0;
    virtual TreeItem NextSibling(TreeItem item) = 0;
    virtual void Expand(TreeItem item, bool expand) = 0;
};

class LegTabs {
public:
    virtual ~LegTabs() = default;

    virtual void DeleteAllTabs() = 0;
    // Gives the tabs their image list with the leg icon.
    virtual void UseLegIcon() = 0;
    // Inserts a tab at position index showing the leg icon.
    virtual void InsertTab(int index, std::string_view text) = 0;
};

}  // namespace rw
