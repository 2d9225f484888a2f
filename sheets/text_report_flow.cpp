// The sheet's "メモ帳出力": the report screen, the file, then the editor.

#include "editor_launcher.h"
#include "message_box.h"
#include "modal.h"
#include "qt_colour.h"
#include "report_flows.h"
#include "report_lines.h"
#include "system_editor_launcher.h"
#include "text_report_file.h"
#include "text_report_screen.h"

namespace varnok::sheets {

using namespace reports;

namespace {

const QString kStoppedTitle = QStringLiteral("エラーが発生しました。");

// The cantilever sheet words its stop message at length; the others briefly.
QString StoppedMessage(SheetKind kind) {
    return kind == SheetKind::kei3_cg
               ? QStringLiteral("出力処理を中止します。入力データを確認して下さい。")
               : QStringLiteral("出力中止！入力データを確認して下さい。");
}

/// False when the sheet went away while the message was open.
bool ShowWriteFailure(QWidget* parent, const QString& path, const QString& reason) {
    return ui::ShowMessage(parent, WriteFailureMessage(path, reason), kWriteFailureTitle,
                           ui::MessageIcon::Exclamation);
}

/// Builds and writes the report, making its folder first; false when no file
/// could be written (or the sheet went away meanwhile: there is nobody left to
/// open the editor for).
bool WriteReport(QWidget* parent, const BeamDesign& design, const std::string& memberName,
                 const QString& folder, const QString& path) {
    if (const FileOutcome made = EnsureFolderExists(folder); !made) {
        ShowWriteFailure(parent, path, made.reason());
        return false;
    }
    const Report report = BuildReport(design, memberName, ReportTarget::TextFile);
    const EncodedReport encoded = EncodeReport(report.lines);
    if (!encoded.ok()) {
        ShowWriteFailure(parent, path,
                         QStringLiteral("Shift-JISに変換できない文字「%1」が含まれています。")
                             .arg(encoded.unencodable));
        return false;
    }
    if (const FileOutcome written = WriteReportFile(path, encoded.bytes); !written) {
        ShowWriteFailure(parent, path, written.reason());
        return false;
    }
    // A report stopped early keeps its lines; the editor shows them.
    if (!report.complete)
        return ui::ShowMessage(parent, StoppedMessage(design.kind), kStoppedTitle,
                               ui::MessageIcon::Question);
    return true;
}

} // namespace

void RunTextReport(QWidget* sheetWindow, const BeamDesign& design, const std::string& name,
                   ReportServices services) {
    const QString memberName = ui::FromUtf8(name);
    if (const NameCheck check = CheckMemberName(memberName); !check.ok()) {
        ui::ShowMessage(sheetWindow, NameProblemMessage(memberName, check), kNameProblemTitle,
                        ui::MessageIcon::Exclamation);
        return;
    }
    const QString folder = services.reportFolder.isEmpty() ? ReportFolder() : services.reportFolder;
    const QString path = ReportFilePath(folder, memberName);
    // A desktop that can never be a folder is told before the screen opens; a
    // missing one is made only for a report that is written.
    if (const FileOutcome possible = CheckFolderPossible(folder); !possible) {
        ShowWriteFailure(sheetWindow, path, possible.reason());
        return;
    }

    const std::optional<int> answer = ui::ExecOwned(new TextReportScreen(design.kind, sheetWindow));
    if (!answer)
        return; // the sheet went away with its screen: nothing is written for it
    // Cancel creates, writes and removes nothing; the editor shows an earlier
    // report of the member, if there is one.
    const bool fileReady = *answer == QDialog::Accepted
                               ? WriteReport(sheetWindow, design, name, folder, path)
                               : ReportFileExists(path);
    if (!fileReady)
        return;

    SystemEditorLauncher systemEditor;
    EditorLauncher* editor = services.editor != nullptr ? services.editor : &systemEditor;
    if (!editor->start(path)) {
        ui::ShowMessage(sheetWindow, QStringLiteral("「メモ帳」が見つかりません。(^^)v"),
                        QStringLiteral("メモ帳は？"), ui::MessageIcon::Exclamation);
    }
}

} // namespace varnok::sheets
