// The import of another program's address CSV into the open address file.
#include <QCoreApplication>

#include "AddressImportMerge.h"
#include "AddressImportSource.h"
#include "AddressWindow.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/VersionBox.h"

namespace {

const QString kImportFilter =
    QStringLiteral("CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||");

QString AddressImportWarning() {
  const QString br = QStringLiteral("\r\n");
  return QStringLiteral("この機能は注意して使ってください。") + br +
         QStringLiteral("必ず、dozir.csvファイルのバックアップ取ってから使ってください。") + br + br +
         QStringLiteral("なお、同じ氏名の人が住所録に登録済みの場合、その人は読み込みません。") + br +
         QStringLiteral("住所録から読込めなかった人を削除してからインポートしてください。") + br + br +
         QStringLiteral("正しく読み込めないＣＳＶファイルを作者にメールしてください。") + br +
         QStringLiteral("読み込めるようにプログラムを修正したいと思っています。") + br + br +
         QStringLiteral("読み込めない住所録は、変換用の別ソフトで見出し付きのＣＳＶファイルにしてから読み込ませてください。") + br +
         QStringLiteral("変換ソフトと詳しい説明は「") + HomePageAddress() + QStringLiteral("」をご覧ください。") + br;
}

}  // namespace

void AddressWindow::Cmd_Fileimport_Click() {
  platform::ShowMessage(AddressImportWarning(), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  const QString path = ShowFileDialog(true, nullptr, ProgramFolder, QString(), FileMenuCaption(FileItem::Import),
                                      kImportFilter, 1, QString());
  if (path.isEmpty()) return;
  // However the path is spelt, the shown file would be read while rewritten.
  if (SameFile(path, AddressFileLocalPath())) {
    platform::ShowMessage(QStringLiteral("表示中のファイルは読込めません"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return;
  }

  QCoreApplication::processEvents();
  BeginBusy(this);
  QList<AddressRecord> records;
  if (ReadAddressImportSource(path, records) && !records.isEmpty()) {
    // One rewrite for the whole import; "ringpad.tmp" keeps the file as it
    // was before it.
    const bool written = RewriteDataFileBytes(AddressFileLocalPath(),
                                              [&records](QList<QByteArray>& lines) {
                                                AddressImportMerge merge(std::move(lines));
                                                for (const AddressRecord& record : records) merge.insert(record);
                                                lines = merge.takeLines();
                                                return merge.insertedCount() > 0;
                                              },
                                              {.keepTempCopy = true});
    // The entries moved; a line number of the old file means nothing now.
    SelectedLineNumber = -1;
    ShownLine.clear();
    if (!written) {
      FillAddressListAfterFailedChange();
      EndBusy(this);
      return;
    }
  }
  FillAddressList();
  EndBusy(this);
}
