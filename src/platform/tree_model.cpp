#include "platform/tree_model.h"

#include <algorithm>

#include "platform/bitmap.h"

namespace orv {

int ImageList::Add(const std::filesystem::path& bitmap) {
  if (!IsReadableBitmap(bitmap)) return -1;
  files_.push_back(bitmap);
  ++revision_;
  return Count() - 1;
}

void ImageList::Clear() {
  files_.clear();
  ++revision_;
}

int TreeNode::IndexInParent() const {
  for (size_t i = 0; i < siblings_->size(); ++i) {
    if ((*siblings_)[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

int TreeNode::Level() const {
  int level = 0;
  for (TreeNode* p = parent_; p; p = p->parent_) ++level;
  return level;
}

TreeNode* TreeModel::Add(TreeNode* parent, std::string text, int image_index) {
  auto& list = parent ? parent->children_ : top_;
  auto node = std::make_unique<TreeNode>();
  node->text = std::move(text);
  node->image_index = image_index;
  node->parent_ = parent;
  node->siblings_ = &list;
  list.push_back(std::move(node));
  ++revision_;
  return list.back().get();
}

void TreeModel::Clear() {
  top_.clear();
  selected_ = nullptr;
  ++revision_;
}

std::vector<TreeNode*> TreeModel::Nodes() const {
  std::vector<TreeNode*> out;
  std::vector<TreeNode*> stack;
  for (auto it = top_.rbegin(); it != top_.rend(); ++it) stack.push_back(it->get());
  while (!stack.empty()) {
    TreeNode* node = stack.back();
    stack.pop_back();
    out.push_back(node);
    const auto& children = node->Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) stack.push_back(it->get());
  }
  return out;
}

int TreeModel::Count() const {
  return static_cast<int>(Nodes().size());
}

TreeNode* TreeModel::NodeAt(int absolute_index) const {
  auto nodes = Nodes();
  if (absolute_index < 0 || absolute_index >= static_cast<int>(nodes.size())) return nullptr;
  return nodes[absolute_index];
}

int TreeModel::AbsoluteIndex(const TreeNode* node) const {
  auto nodes = Nodes();
  auto it = std::find(nodes.begin(), nodes.end(), node);
  return it == nodes.end() ? -1 : static_cast<int>(it - nodes.begin());
}

void TreeModel::Select(TreeNode* node) {
  selected_ = node;
  ++revision_;
}

std::vector<std::unique_ptr<TreeNode>>& TreeModel::SiblingsOf(const TreeNode* node) {
  return node->parent_ ? node->parent_->children_ : top_;
}

TreeNode* TreeModel::PrevSibling(const TreeNode* node) const {
  int i = node->IndexInParent();
  return i > 0 ? (*node->siblings_)[i - 1].get() : nullptr;
}

TreeNode* TreeModel::NextSibling(const TreeNode* node) const {
  int i = node->IndexInParent();
  return i + 1 < static_cast<int>(node->siblings_->size()) ? (*node->siblings_)[i + 1].get()
                                                           : nullptr;
}

TreeNode* TreeModel::FirstSibling(const TreeNode* node) const {
  return node->siblings_->front().get();
}

void TreeModel::MoveBefore(TreeNode* node, TreeNode* sibling) {
  auto& list = SiblingsOf(node);
  if (node == sibling) return;
  int from = node->IndexInParent();
  std::unique_ptr<TreeNode> owned = std::move(list[from]);
  list.erase(list.begin() + from);
  int to = sibling->IndexInParent();
  list.insert(list.begin() + to, std::move(owned));
  ++revision_;
}

void TreeModel::MoveToEnd(TreeNode* node) {
  auto& list = SiblingsOf(node);
  int from = node->IndexInParent();
  std::unique_ptr<TreeNode> owned = std::move(list[from]);
  list.erase(list.begin() + from);
  list.push_back(std::move(owned));
  ++revision_;
}

void TreeModel::SetVisible(bool visible) {
  visible_ = visible;
  ++revision_;
}

}  // namespace orv
