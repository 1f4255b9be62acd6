#pragma once
// What the logic asks of the windowing system: message boxes, file dialogs,
// the shell, the help viewer and the beep. The Qt layer implements these; tests
// and the command-line tool script them.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

enum class MsgType { Information, Warning, Error, Confirmation };

enum MsgButton : unsigned {
  kOk = 1,
  kCancel = 2,
  kYes = 4,
  kNo = 8,
  kAll = 16,
};

enum class Answer { None, Ok, Cancel, Yes, No, All };

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  // Shows a modal box and returns the button pressed; None when it was closed
  // without one. caption empty: the application's title.
  virtual Answer Show(MsgType type, std::string_view text, unsigned buttons,
                      std::string_view caption = {}) = 0;
};

struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::string title;
  std::string filter;  // "Описание (*.ext)|*.ext|..."
  std::string default_ext;
  std::filesystem::path initial_dir;
  std::string file_name;
  // Open: a name that does not exist yet may be typed (a file to create).
  bool may_create = false;
};

class IFileDialog {
 public:
  virtual ~IFileDialog() = default;
  // The chosen path, nothing on Cancel.
  virtual std::optional<std::filesystem::path> Run(const FileDialogRequest& request) = 0;
};

class IShell {
 public:
  virtual ~IShell() = default;
  // Opens a file the way the desktop does, without waiting for it.
  virtual bool OpenFile(const std::filesystem::path& file, bool maximised) = 0;
  virtual void Beep() = 0;
};

class IHelp {
 public:
  virtual ~IHelp() = default;
  virtual void ShowTopic(const std::filesystem::path& help_file, std::string_view topic) = 0;
};

}  // namespace orv

namespace orv {

// The services a window model talks to; the Qt layer passes its own.
struct UiServices {
  IMessageBox& messages;
  IFileDialog& files;
  IShell& shell;
  IHelp& help;
};

}  // namespace orv
