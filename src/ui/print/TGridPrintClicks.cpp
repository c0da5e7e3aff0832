#include <algorithm>

#include "core/base/Messages.h"
#include "core/print/PrintFormatFile.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/HelpContexts.h"
#include "ui/print/TGridPrint.h"
#include "ui/print/TGridPrintOption.h"

namespace tabulo::ui {

namespace {

// The file dialogs of the print-format buttons, in the "GPC" folder.
platform::FileDialogOptions FormatDialog(const char* title, const std::filesystem::path& folder) {
  platform::FileDialogOptions options;
  options.title = title;
  options.filter = "印刷書式ファイル(*.GPC)|*.GPC|全てのファイル(*.*)|*.*";
  options.defaultExtension = "GPC";
  options.initialFolder = folder;
  return options;
}

}  // namespace

void TGridPrint::btnPrevClick() { ShowPage(m_pageIndex - 1); }

void TGridPrint::btnNextClick() { ShowPage(m_pageIndex + 1); }

void TGridPrint::ShowPage(int pageIndex) {
  m_pageIndex = pageIndex;  // RefreshPreview keeps it within the pages
  RefreshPreview();
}

void TGridPrint::BtnFontClick() {
  RunCommand(m_services.prompter, [this] {
    const std::optional<platform::FontChoice> chosen = m_services.fontDialog.Choose(m_font, platform::FontUse::Print);
    if (!chosen) return;
    m_font = *chosen;
    RefreshPreview();
  });
}

void TGridPrint::SpeedButton2Click() {
  RunCommand(m_services.prompter, [this] {
    std::vector<ColumnEntry> order;
    {
      TGridPrintOption dialog(this, m_services, AttributeDialogMode::Print, m_columns, m_grid.Encoding().encoding);
      dialog.exec();
      order = dialog.Entries();
    }
    AssignPrintOrder(order);
    m_columns = std::move(order);
    RefreshPreview();
  });
}

void TGridPrint::BtnPrinterClick() {
  RunCommand(m_services.prompter, [this] {
    if (!m_printers.SetupPrinter(this, m_printer)) return;
    RefreshPrinterInfo();
    RefreshPreview();
  });
}

void TGridPrint::BtnPrintClick() {
  RunCommand(m_services.prompter, [this] {
    TGridPrintInfo info;
    TakeSettings(info);
    const ListPrint print = MakeListPrint(info);
    if (!print.Pages().RowsFit()) {
      // Nothing fits on a page: there is nothing to print.
      m_services.prompter.Beep(Sound::Exclamation);
      RefreshPreview();
      return;
    }
    const std::optional<PrintRequest> request = m_printers.AskPrint(this, m_printer, print.PageCount(), m_pdfFile);
    if (!request) return;
    const int last = std::min(request->lastPage, print.PageCount() - 1);
    const std::vector<int> sequence = PrintSequence(std::max(request->firstPage, 0), last, request->copies, request->collate);
    BusyCursor busy;
    const std::vector<int> failed = m_printers.Print(m_printer, *request, PagesOf(print), sequence);
    if (!failed.empty()) {
      m_services.prompter.Ask(MessageId::PrintJobFailed, {std::to_string(failed.front() + 1)});
    }
  });
}

std::vector<TGPItem> TGridPrint::ItemsInColumnOrder() const {
  std::vector<ColumnEntry> byColumn = m_columns;
  std::sort(byColumn.begin(), byColumn.end(), [](const ColumnEntry& a, const ColumnEntry& b) { return a.column < b.column; });
  std::vector<TGPItem> items;
  for (const ColumnEntry& entry : byColumn) items.push_back(*entry.item);
  return items;
}

void TGridPrint::SetItemsInColumnOrder(const std::vector<TGPItem>& items) {
  for (ColumnEntry& entry : m_columns) {
    const auto at = static_cast<std::size_t>(entry.column);
    if (at < items.size()) *entry.item = items[at];
  }
}

void TGridPrint::BtnGpcSaveClick() {
  RunCommand(m_services.prompter, [this] {
    platform::FileDialogOptions options = FormatDialog("印刷書式の保存", m_formatFolder);
    options.confirmOverwrite = true;
    const std::optional<std::filesystem::path> file = m_services.fileDialogs.Save(options);
    if (!file) return;
    BusyCursor busy;
    TGridPrintInfo info;
    TakeSettings(info);
    WritePrintFormatFile(*file, info, ItemsInColumnOrder(), m_grid.Encoding().encoding);
  });
}

void TGridPrint::BtnGpcLoadClick() {
  RunCommand(m_services.prompter, [this] {
    platform::FileDialogOptions options = FormatDialog("印刷書式の読み込み", m_formatFolder);
    options.mustExist = true;
    const std::vector<std::filesystem::path> files = m_services.fileDialogs.Open(options);
    if (files.empty()) return;
    if (m_services.prompter.Ask(MessageId::PrintFormatLoadQuestion) != Answer::Yes) return;
    bool failed = false;
    TGridPrintInfo info;
    std::vector<TGPItem> items = ItemsInColumnOrder();
    {
      BusyCursor busy;
      TakeSettings(info);  // fields an older format lacks keep the window's values
      try {
        ReadPrintFormatFile(files.front(), info, items, m_grid.Encoding().encoding);
      } catch (const std::exception&) {
        failed = true;
      }
      // Whatever was read is taken, also from a damaged file.
      SetItemsInColumnOrder(items);
      m_formatLoaded = true;
      ApplySettings(info);
      SortByPrintIndex();
      RefreshPreview();
    }
    if (failed) m_services.prompter.Ask(MessageId::PrintFormatLoadFailed);
  });
}

void TGridPrint::btnHelpClick() { m_services.help.ShowContext(help::kHelpListPrint); }

}  // namespace tabulo::ui
