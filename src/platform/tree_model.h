#pragma once
// A tree control without a window: nodes with a text and an image index,
// children in order, one selected node, and an image list of 16x16 bitmaps that
// the windows draw. Trees may share one image list.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orv {

class ImageList {
 public:
  // Appends a readable bitmap and returns its index; -1 (nothing added) otherwise.
  int Add(const std::filesystem::path& bitmap);
  void Clear();
  int Count() const { return static_cast<int>(files_.size()); }
  const std::vector<std::filesystem::path>& Files() const { return files_; }
  unsigned Revision() const { return revision_; }

 private:
  std::vector<std::filesystem::path> files_;
  unsigned revision_ = 0;
};

class TreeNode {
 public:
  std::string text;
  int image_index = 0;
  bool expanded = false;

  TreeNode* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<TreeNode>>& Children() const { return children_; }
  bool HasChildren() const { return !children_.empty(); }
  int ChildCount() const { return static_cast<int>(children_.size()); }
  TreeNode* Child(int i) const { return children_[i].get(); }
  int IndexInParent() const;  // among the siblings (top-level nodes for a root)
  int Level() const;          // 0 for a top-level node

 private:
  friend class TreeModel;
  TreeNode* parent_ = nullptr;
  std::vector<std::unique_ptr<TreeNode>>* siblings_ = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children_;
};

class TreeModel {
 public:
  explicit TreeModel(ImageList* images = nullptr) : images_(images) {}

  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images) { images_ = images; }

  // Appends a node after the last child of parent (a top-level node for null).
  TreeNode* Add(TreeNode* parent, std::string text, int image_index = 0);
  void Clear();

  const std::vector<std::unique_ptr<TreeNode>>& TopLevel() const { return top_; }
  TreeNode* First() const { return top_.empty() ? nullptr : top_.front().get(); }
  // Every node in depth-first order, each node before its children.
  std::vector<TreeNode*> Nodes() const;
  int Count() const;
  TreeNode* NodeAt(int absolute_index) const;
  int AbsoluteIndex(const TreeNode* node) const;

  TreeNode* Selected() const { return selected_; }
  void Select(TreeNode* node);

  TreeNode* PrevSibling(const TreeNode* node) const;
  TreeNode* NextSibling(const TreeNode* node) const;
  TreeNode* FirstSibling(const TreeNode* node) const;
  // Moves node with its subtree among its siblings.
  void MoveBefore(TreeNode* node, TreeNode* sibling);
  void MoveToEnd(TreeNode* node);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Focused() const { return focused_; }
  void SetFocus() {
    focused_ = true;
    ++revision_;
  }

  // Grows with every change, so a view knows when to draw again.
  unsigned Revision() const { return revision_; }

 private:
  std::vector<std::unique_ptr<TreeNode>>& SiblingsOf(const TreeNode* node);

  ImageList* images_;
  std::vector<std::unique_ptr<TreeNode>> top_;
  TreeNode* selected_ = nullptr;
  bool visible_ = true;
  bool focused_ = false;
  unsigned revision_ = 0;
};

}  // namespace orv
