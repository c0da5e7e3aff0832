// The range commands that rewrite the selection's texts: character classes
// and trimming, numbers and dates, replace, and the date-insert commands;
// their items in the main menu and the grid popup.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

#include "core/base/Errors.h"
#include "core/editing/CharClassCommands.h"
#include "core/editing/DateInsert.h"
#include "core/editing/DateReformat.h"
#include "core/editing/NumberReformat.h"
#include "core/editing/Replace.h"
#include "core/editing/Trimming.h"
#include "core/locale/Encoding.h"
#include "core/locale/TextConverter.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/DocumentText.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/editing/RangeCommandCaptions.h"
#include "ui/editing/TReplaceForm.h"

namespace tabulo::ui {
namespace {

template <std::size_t N>
const CommandCaption& CaptionOf(const std::array<CommandCaption, N>& captions, int tag) {
  return captions[static_cast<std::size_t>(std::clamp(tag, 0, static_cast<int>(N) - 1))];
}

}  // namespace

void TTabulo::AddDateInsertItems(QMenu* mmEdit) {
  // Their captions show the moment the window started.
  const DateAndTime now = CurrentDateAndTime();
  const char* dateNames[3] = {"mmDatePaste", "mmTimePaste", "mmDateTimePaste"};
  const char* dateKeys[3] = {"Ctrl+D", "Ctrl+H", "Ctrl+Shift+D"};
  for (int tag = 0; tag < 3; ++tag) {
    auto* item = new QAction(QString::fromStdString(DateInsertCaption(tag, now)), mmEdit);
    item->setObjectName(dateNames[tag]);
    item->setShortcut(QKeySequence(dateKeys[tag]));
    item->setShortcutContext(Qt::WindowShortcut);
    mmEdit->addAction(item);
    mmDateItems[tag] = item;
    connect(item, &QAction::triggered, this, [this, tag] { mmDatePasteClick(tag); });
  }
}

void TTabulo::AddRangeSubmenus() {
  // The four submenus, once in the main menu and once in the grid popup.
  const auto addSubmenus = [this](QMenu* parent, bool popup, const char* prefix) {
    const auto name = [prefix](const char* rest) { return QString::fromLatin1(prefix) + QString::fromLatin1(rest); };
    const auto caption = [popup](const CommandCaption& c) { return QString::fromUtf8(popup ? c.popup : c.menu); };
    QMenu* change = parent->addMenu(popup ? "字種変換" : "字種変換(&C)");
    change->setObjectName(name("Change"));
    for (int tag = 0; tag < static_cast<int>(kCharClassCaptions.size()); ++tag) {
      QAction* item = change->addAction(caption(CaptionOf(kCharClassCaptions, tag)));
      item->setObjectName(name("Upper") + QString::number(tag));
      connect(item, &QAction::triggered, this, [this, tag] { mmUpperClick(tag); });
    }
    QMenu* field = parent->addMenu(popup ? "文字整形" : "文字整形(&M)");
    field->setObjectName(name("Field"));
    for (int tag = 0; tag < static_cast<int>(kTrimCaptions.size()); ++tag) {
      QAction* item = field->addAction(caption(CaptionOf(kTrimCaptions, tag)));
      item->setObjectName(name("Trim") + QString::number(tag));
      connect(item, &QAction::triggered, this, [this, tag] { mmTrimClick(tag); });
    }
    QMenu* seikei = parent->addMenu(popup ? "数値整形" : "数値整形(&A)");
    seikei->setObjectName(name("Seikei"));
    for (int tag = 0; tag < static_cast<int>(kNumberCaptions.size()); ++tag) {
      if (tag == 4) {
        QAction* decimals = seikei->addAction(caption(kDecimalsCaption));
        decimals->setObjectName(name("Decimal"));
        connect(decimals, &QAction::triggered, this, &TTabulo::mmDecimalClick);
        seikei->addSeparator();
      }
      QAction* item = seikei->addAction(caption(CaptionOf(kNumberCaptions, tag)));
      item->setObjectName(name("Round") + QString::number(tag));
      connect(item, &QAction::triggered, this, [this, tag] { mmRoundClick(tag); });
    }
    QMenu* date = parent->addMenu(popup ? "日付整形" : "日付整形(&N)");
    date->setObjectName(name("Date"));
    for (int tag = 0; tag < static_cast<int>(kDateCaptions.size()); ++tag) {
      if (tag == 2 || tag == 6 || tag == 9) date->addSeparator();
      QAction* item = date->addAction(caption(CaptionOf(kDateCaptions, tag)));
      item->setObjectName(name("YSJ") + QString::number(tag));
      connect(item, &QAction::triggered, this, [this, tag] { mmYSJ1Click(tag); });
    }
  };
  mmData->addSeparator();
  addSubmenus(mmData, false, "mm");
  GridMenu->addSeparator();
  pmReplace = GridMenu->addAction("置換...");
  pmReplace->setObjectName("pmReplace");
  connect(pmReplace, &QAction::triggered, this, &TTabulo::mmReplaceClick);
  addSubmenus(GridMenu, true, "pm");
}

void TTabulo::ReportConvertFailures(int failures) { ReportCalcFailures(MessageId::ConvertFailed, failures); }

void TTabulo::mmUpperClick(int tag) {
  const auto mapping = static_cast<CharMapping>(std::clamp(tag, 0, 5));
  RunEdit(CaptionOf(kCharClassCaptions, tag).menu, [&] {
    BusyCursor busy;
    ConvertCharClass(m_document.grid, m_document.grid.Selection(), mapping, m_progress.get());
  });
}

void TTabulo::mmTrimClick(int tag) {
  const auto kind = static_cast<TrimKind>(std::clamp(tag, 0, 3));
  int failures = 0;
  const bool done = RunEdit(CaptionOf(kTrimCaptions, tag).menu, [&] {
    BusyCursor busy;
    failures = TrimRange(m_document.grid, m_document.grid.Selection(), kind, m_progress.get());
  });
  if (done) ReportConvertFailures(failures);
}

void TTabulo::mmRoundClick(int tag) {
  const auto command = static_cast<NumberCommand>(std::clamp(tag, 0, 7));
  int failures = 0;
  const bool done = RunEdit(CaptionOf(kNumberCaptions, tag).menu, [&] {
    BusyCursor busy;
    failures = ReformatNumbers(m_document.grid, m_document.grid.Selection(), command, m_progress.get());
  });
  if (done) ReportConvertFailures(failures);
}

std::optional<int> TTabulo::AskDecimals() {
  Cp932Converter converter;
  const std::string title(MessageText(MessageId::DecimalsTitle));
  const std::string prompt(MessageText(MessageId::DecimalsPrompt));
  std::string answer;
  for (;;) {
    m_services.prompter.Beep(Sound::Question);
    const std::optional<std::string> typed = m_services.inputBox.Ask(title, prompt, answer);
    if (!typed) return std::nullopt;
    answer = *typed;
    // The answer is read as the program reads integers, in its own code page
    // (a character it lacks makes the answer invalid).
    std::optional<int> decimals;
    try {
      decimals = ParseDecimalsAnswer(converter.FromUtf8(answer));
    } catch (const ConvertError&) {
    }
    if (decimals) return decimals;
    m_services.prompter.Ask(MessageId::DecimalsNotValid, {answer});
  }
}

void TTabulo::mmDecimalClick() {
  SyncDocumentFromView();
  const std::optional<int> decimals = AskDecimals();
  if (!decimals) return;
  int failures = 0;
  const bool done = RunEditAsSynced(kDecimalsCaption.menu, [&] {
    BusyCursor busy;
    failures = SetDecimals(m_document.grid, m_document.grid.Selection(), *decimals, m_progress.get());
  });
  if (done) ReportConvertFailures(failures);
}

void TTabulo::mmYSJ1Click(int tag) {
  const auto command = static_cast<DateCommand>(std::clamp(tag, 0, 10));
  int failures = 0;
  const bool done = RunEdit(CaptionOf(kDateCaptions, tag).menu, [&] {
    BusyCursor busy;
    failures = ReformatDates(m_document.grid, m_document.grid.Selection(), command, m_progress.get());
  });
  if (done) ReportConvertFailures(failures);
}

void TTabulo::mmReplaceClick() {
  SyncDocumentFromView();
  ReplaceRequest request;
  // A typed text the document cannot hold is reported here.
  bool asked = false;
  if (!RunCommand(m_services.prompter, [&] { asked = AskReplace(this, m_services, m_document.grid, request); }) ||
      !asked) {
    return;
  }
  RunEditAsSynced("置換", [&] {
    BusyCursor busy;
    ReplaceRange(m_document.grid, m_document.grid.Selection(), request, m_progress.get());
  });
}

void TTabulo::mmDatePasteClick(int tag) {
  // The date is the program's own text, put into the document's encoding.
  const std::string date = InsertedDateText(tag, CurrentDateAndTime());
  const QString shown = ShownProgramText(date);
  const std::string text = ProgramText(date, m_document.grid.Encoding().encoding);
  if (QLineEdit* box = FocusedTextBox()) return box->insert(shown);
  if (QLineEdit* editor = OpenCellEditor()) return editor->insert(shown);
  RunEdit(kDateInsertSteps[static_cast<std::size_t>(std::clamp(tag, 0, 2))], [&] {
    BusyCursor busy;
    SuspendedUpdates frozen(SGCSV);
    FillRange(m_document.grid, m_document.grid.Selection(), text, m_progress.get());
  });
}

}  // namespace tabulo::ui
