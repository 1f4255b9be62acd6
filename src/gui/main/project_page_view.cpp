// TabSheet2 "Менеджер файлов": the project editor. The project name runs
// across the top; below it the programs, the menu preview and the files side
// by side; at the bottom the manager's options and the selected program's.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/main_form.h"
#include "gui/common/qt_dialogs.h"
#include "gui/main/model_tree_widget.h"
#include "gui/main/page_view.h"
#include "gui/main/project_widgets.h"
#include "platform/file_system.h"

namespace orv::gui {

namespace {

constexpr int kPictureFrame = 44;  // Image1: a 32x32 picture with a margin

// A group box holding one widget.
QGroupBox* Group(const char* title, QWidget* content, QWidget* parent) {
  auto* box = new QGroupBox(Q(title), parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(content);
  return box;
}

template <typename W>
W* Named(W* widget, const char* name, const char* hint = nullptr) {
  widget->setObjectName(QString::fromLatin1(name));
  if (hint) widget->setStatusTip(Q(hint));
  return widget;
}

void SetText(QLineEdit* edit, const std::string& text) {
  if (edit->text() != Q(text)) edit->setText(Q(text));
}

class ProjectPageView : public PageView {
 public:
  explicit ProjectPageView(const PageContext& context) : form_(context.form), run_(context.run) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(BuildFileName(), 0, 0, 1, 3);
    layout->addWidget(BuildLists(context), 1, 0, 1, 3);
    layout->addWidget(BuildManagerOptions(), 2, 0);
    layout->addWidget(BuildProgramOptions(), 2, 1, 1, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    Refresh();
  }

  void Refresh() override {
    const ProjectPage& page = Page();
    file_name_->Show(page.FilenameEdit1, page.FilenameHistory);
    programs_->Refresh();
    files_->Refresh();
    tree_->Refresh();
    preview_group_->setVisible(page.TreeView1.Visible());
    {
      const QSignalBlocker blocker(links_);
      if (QAbstractButton* button = links_->button(page.RadioGroup1)) button->setChecked(true);
    }
    all_programs_->setChecked(page.CheckBoxProgAll);
    menu_->setChecked(page.CheckBoxPreWiew);
    program_group_->setEnabled(page.GroupBox6Enabled);
    SetText(command_, page.EditCom);
    SetText(caption_, page.EditCaption);
    SetText(submenu_, page.EditMenu);
    auto_save_->setEnabled(page.CheckBox1Enabled);
    auto_save_->setChecked(page.CheckBox1);
    ShowPicture(page.Image1);
  }

 private:
  ProjectPage& Page() { return form_.Project; }
  void Run(const std::function<void(ProjectPage&)>& handler) {
    // A window on its way out takes the focus from a field: that is no
    // leaving of the field by the author.
    if (window()->isHidden()) return;
    run_([this, &handler] { handler(Page()); });
  }

  QWidget* BuildFileName() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Файл инсталяции библиотеки"), row);
    file_name_ = Named(new FileNameField(row), "FilenameEdit1", "Название проекта");
    label->setBuddy(file_name_->Combo());
    layout->addWidget(label);
    layout->addWidget(file_name_, 1);
    file_name_->on_name = [this](const std::string& name) {
      Run([&name](ProjectPage& page) { page.SetProjectName(name); });
    };
    file_name_->on_browse = [this] {
      Run([](ProjectPage& page) { page.FilenameEdit1ButtonClick(); });
    };
    return row;
  }

  QWidget* BuildLists(const PageContext& context) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    ProjectPage& page = Page();

    programs_ = Named(new CheckListWidget(page.RxCheckListCom, row), "RxCheckListCom",
                      "Окно программ проекта");
    programs_->on_select = [this](int index) {
      Run([index](ProjectPage& p) {
        p.RxCheckListCom.SetItemIndex(index);
        p.RxCheckListComClick();
      });
    };
    programs_->on_check = [this](int index, bool checked) {
      Run([index, checked](ProjectPage& p) {
        p.RxCheckListCom.SetChecked(index, checked);
        p.RxCheckListComClickCheck(index);
      });
    };

    tree_ = Named(new ModelTreeWidget(page.TreeView1, context.images, row), "TreeView1",
                  "Просмотр скомпонованного меню");
    tree_->on_select = [this](TreeNode*) { Run([](ProjectPage& p) { p.TreeView1Click(); }); };

    files_ = Named(new CheckListWidget(page.RxCheckListFile, row), "RxCheckListFile",
                   "Окно файлов проекта");
    files_->on_select = [this](int index) {
      Run([index](ProjectPage& p) { p.RxCheckListFile.SetItemIndex(index); });
    };
    files_->on_check = [this](int index, bool checked) {
      Run([index, checked](ProjectPage& p) {
        p.RxCheckListFile.SetItemIndex(index);
        p.RxCheckListFile.SetChecked(index, checked);
        p.RxCheckListFileClickCheck();
      });
    };

    preview_group_ = Group("Меню проекта", tree_, row);
    layout->addWidget(Group("Программы проекта", programs_, row), 1);
    layout->addWidget(preview_group_, 2);
    layout->addWidget(Group("Файлы проекта", files_, row), 1);
    return row;
  }

  QWidget* BuildManagerOptions() {
    auto* box = new QGroupBox(QStringLiteral("Опции Менеджера"), this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* links_box = Named(new QGroupBox(QStringLiteral("Авто связи"), box), "RadioGroup1",
                            "Автоматическое связывание при добавление lsp файла");
    auto* links_layout = new QVBoxLayout(links_box);
    links_ = new QButtonGroup(links_box);
    const char* items[] = {"Нет", "Прямые ссылки", "Расширенный поиск"};
    for (int i = 0; i < 3; ++i) {
      auto* button = new QRadioButton(Q(items[i]), links_box);
      button->setStatusTip(links_box->statusTip());
      links_->addButton(button, i);
      links_layout->addWidget(button);
    }
    connect(links_, &QButtonGroup::idClicked, this, [this](int id) {
      Run([id](ProjectPage& p) {
        p.RadioGroup1 = id;
        p.RadioGroup1Click();
      });
    });

    auto* show_box = new QGroupBox(QStringLiteral("Показывать"), box);
    auto* show_layout = new QHBoxLayout(show_box);
    all_programs_ = Named(new QCheckBox(QStringLiteral("Все программы"), show_box),
                          "CheckBoxProgAll", "Отображать все программы");
    menu_ = Named(new QCheckBox(QStringLiteral("Меню"), show_box), "CheckBoxPreWiew",
                  "Включить (выключить) ппросмотр меню");
    show_layout->addWidget(all_programs_);
    show_layout->addWidget(menu_);
    show_layout->addStretch(1);
    connect(all_programs_, &QCheckBox::clicked, this, [this](bool on) {
      Run([on](ProjectPage& p) {
        p.CheckBoxProgAll = on;
        p.CheckBoxProgAllClick();
      });
    });
    connect(menu_, &QCheckBox::clicked, this, [this](bool on) {
      Run([on](ProjectPage& p) {
        p.CheckBoxPreWiew = on;
        p.CheckBoxPreWiewClick();
      });
    });

    layout->addWidget(links_box);
    layout->addWidget(show_box);
    return box;
  }

  QWidget* BuildProgramOptions() {
    program_group_ = Named(new QGroupBox(QStringLiteral("Опции программы"), this), "GroupBox6");
    auto* layout = new QGridLayout(program_group_);
    layout->setContentsMargins(4, 4, 4, 4);
    command_ = Named(new QLineEdit(program_group_), "EditCom");
    command_->setReadOnly(true);
    caption_ = Named(new QLineEdit(program_group_), "EditCaption");
    submenu_ = Named(new QLineEdit(program_group_), "EditMenu");
    auto_save_ = Named(
        new QCheckBox(QStringLiteral("Использовать авто-сохранение настроек"), program_group_),
        "CheckBox1");
    const std::pair<const char*, QLineEdit*> fields[] = {
        {"Команда", command_}, {"Название", caption_}, {"Субменю", submenu_}};
    for (int row = 0; row < 3; ++row) {
      auto* label = new QLabel(Q(fields[row].first), program_group_);
      label->setBuddy(fields[row].second);
      layout->addWidget(label, row, 0);
      layout->addWidget(fields[row].second, row, 1);
    }
    layout->addWidget(auto_save_, 3, 0, 1, 3);

    auto* frame = new QFrame(program_group_);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setFixedSize(kPictureFrame, kPictureFrame);
    auto* frame_layout = new QVBoxLayout(frame);
    frame_layout->setContentsMargins(1, 1, 1, 1);
    picture_ = Named(new QLabel(frame), "Image1");
    picture_->setAlignment(Qt::AlignCenter);
    frame_layout->addWidget(picture_);
    layout->addWidget(frame, 0, 2, 2, 1, Qt::AlignCenter);
    layout->setColumnStretch(1, 1);

    connect(caption_, &QLineEdit::editingFinished, this, [this] {
      std::string text = U(caption_->text());
      Run([&text](ProjectPage& p) {
        p.EditCaption = text;
        p.EditCaptionExit();
      });
    });
    connect(submenu_, &QLineEdit::editingFinished, this, [this] {
      std::string text = U(submenu_->text());
      Run([&text](ProjectPage& p) {
        p.EditMenu = text;
        p.EditMenuExit();
      });
    });
    connect(auto_save_, &QCheckBox::clicked, this, [this](bool on) {
      Run([on](ProjectPage& p) {
        p.CheckBox1 = on;
        p.CheckBox1Click();
      });
    });
    return program_group_;
  }

  void ShowPicture(const std::filesystem::path& file) {
    if (file == shown_picture_ && picture_loaded_) return;
    shown_picture_ = file;
    picture_loaded_ = true;
    QPixmap pixmap;
    if (!file.empty()) pixmap.load(Q(PathToUtf8(file)));
    // A picture larger than the frame is shown whole, scaled down.
    const QSize room = picture_->parentWidget()->contentsRect().size();
    if (pixmap.width() > room.width() || pixmap.height() > room.height())
      pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture_->setPixmap(pixmap);
  }

  TMainForm& form_;
  RunHandler run_;
  FileNameField* file_name_ = nullptr;
  CheckListWidget* programs_ = nullptr;
  CheckListWidget* files_ = nullptr;
  ModelTreeWidget* tree_ = nullptr;
  QGroupBox* preview_group_ = nullptr;
  QButtonGroup* links_ = nullptr;
  QCheckBox* all_programs_ = nullptr;
  QCheckBox* menu_ = nullptr;
  QGroupBox* program_group_ = nullptr;
  QLineEdit* command_ = nullptr;
  QLineEdit* caption_ = nullptr;
  QLineEdit* submenu_ = nullptr;
  QCheckBox* auto_save_ = nullptr;
  QLabel* picture_ = nullptr;
  std::filesystem::path shown_picture_;
  bool picture_loaded_ = false;
};

}  // namespace

PageView* MakeProjectPage(const PageContext& context) {
  return new ProjectPageView(context);
}

}  // namespace orv::gui
