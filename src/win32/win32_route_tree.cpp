// Route tree and leg tabs of the main dialog.
#include "win32/win32_route_tree.h"

#include <string>

#include "resources/resource.h"

namespace rw {
namespace {

HTREEITEM Handle(TreeItem item) { return reinterpret_cast<HTREEITEM>(item); }
TreeItem Item(LRESULT handle) { return static_cast<TreeItem>(handle); }

}  // namespace

Win32RouteTree::~Win32RouteTree()
{
    if (images_ != nullptr) {
        ImageList_Destroy(images_);
    }
}

void Win32RouteTree::DeleteAllItems()
{
    SendMessageA(*tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void Win32RouteTree::UseRouteImages()
{
    // Made once: the strip of 24 point images, then the leg icon.
    if (images_ == nullptr) {
        images_ = ImageList_Create(12, 12, ILC_COLOR4 | ILC_MASK, 25, 1);
        if (images_ == nullptr) {
            return;
        }
        if (const HBITMAP strip = static_cast<HBITMAP>(LoadImageA(
                *instance_, MAKEINTRESOURCEA(IDB_ROUTE_IMAGES), IMAGE_BITMAP, 0, 0, 0))) {
            ImageList_Add(images_, strip, nullptr);
            DeleteObject(strip);
        }
        if (const HICON leg = static_cast<HICON>(
                LoadImageA(*instance_, MAKEINTRESOURCEA(IDI_LEG), IMAGE_ICON, 12, 12, 0))) {
            ImageList_AddIcon(images_, leg);
            DestroyIcon(leg);
        }
    }
    SendMessageA(*tree_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
}

TreeItem Win32RouteTree::InsertTreeItem(TreeItem parent, std::string_view text, int image)
{
    std::string copy(text);
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent == 0 ? TVI_ROOT : Handle(parent);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = copy.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    return Item(SendMessageA(*tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void Win32RouteTree::Repaint()
{
    InvalidateRect(*tree_, nullptr, TRUE);
    UpdateWindow(*tree_);
}

TreeItem Win32RouteTree::SelectedItem()
{
    return Item(SendMessageA(*tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

TreeItem Win32RouteTree::FirstRootItem()
{
    return Item(SendMessageA(*tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

TreeItem Win32RouteTree::FirstChild(TreeItem item)
{
    return Item(SendMessageA(*tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(Handle(item))));
}

TreeItem Win32RouteTree::NextSibling(TreeItem item)
{
    return Item(SendMessageA(*tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(Handle(item))));
}

void Win32RouteTree::Expand(TreeItem item, bool expand)
{
    SendMessageA(*tree_, TVM_EXPAND, expand ? TVE_EXPAND : TVE_COLLAPSE,
                 reinterpret_cast<LPARAM>(Handle(item)));
}

Win32LegTabs::~Win32LegTabs()
{
    if (images_ != nullptr) {
        ImageList_Destroy(images_);
    }
}

void Win32LegTabs::DeleteAllTabs() { SendMessageA(*tabs_, TCM_DELETEALLITEMS, 0, 0); }

void Win32LegTabs::UseLegIcon()
{
    if (images_ == nullptr) {
        const int width = GetSystemMetrics(SM_CXSMICON);
        const int height = GetSystemMetrics(SM_CYSMICON);
        images_ = ImageList_Create(width, height, ILC_COLOR16 | ILC_MASK, 1, 1);
        if (images_ == nullptr) {
            return;
        }
        if (const HICON leg = static_cast<HICON>(
                LoadImageA(*instance_, MAKEINTRESOURCEA(IDI_LEG), IMAGE_ICON, width, height, 0))) {
            ImageList_AddIcon(images_, leg);
            DestroyIcon(leg);
        }
    }
    SendMessageA(*tabs_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
}

void Win32LegTabs::InsertTab(int index, std::string_view text)
{
    std::string copy(text);
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT | TCIF_IMAGE;
    tab.pszText = copy.data();
    tab.iImage = 0;
    SendMessageA(*tabs_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&tab));
}

}  // namespace rw
