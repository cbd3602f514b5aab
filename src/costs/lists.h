#pragma once
// The fixed lists of the costs tab: the act names of the act chooser and the
// tree of non-money kinds of proceedings (groups and the 22 items).
#include <string>
#include <string_view>
#include <vector>

namespace verdika::costs {

// The 26 names of the act chooser; the first, "úkon", is its initial text.
const std::vector<std::string>& actNames();

// The acts entered when a calculation finds the act list empty.
inline constexpr std::string_view kDefaultAct1 = "převzetí a příprava zastoupení";
inline constexpr std::string_view kDefaultAct2 = "písemné podání soudu nebo jinému orgánu týkající se věci samé";

struct ItemGroup {
    std::string caption;
    std::vector<std::string> items;
};
// 6 groups; the items are numbered 1 … 22 in this order.
const std::vector<ItemGroup>& nonMonetaryItems();
inline constexpr int kItemCount = 22;

// The caption of item 1 … 22; empty for any other number.
std::string itemCaption(int item);

// The tree as one list of nodes (groups and items in tree order), for the search.
struct TreeNode {
    std::string caption;
    int item = 0;  // 0 for a group
};
std::vector<TreeNode> treeNodes();

}  // namespace verdika::costs
