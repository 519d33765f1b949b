#include "AddressCategoryGroups.h"

#include "AddressFlags.h"
#include "core/settings/Ini.h"
#include "core/settings/IniWriteBatch.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"

namespace {

QString GroupKey(int i) { return QStringLiteral("BUNRUI%1").arg(i); }

const std::array<const char16_t*, 4> kDefaultGroups = {
    u"便利電話帳,便利電話,食事,ライセンス",
    u"プライベート,親戚,友人,知人,私用",
    u"仕事関連,仕事,自社,自社(退職者),協力会社,得意先,取引先,見込客",
    u"秘密",
};

const QString kEmpty;

}  // namespace

AddressCategoryGroups AddressCategoryGroups::Parse(const std::array<QString, kGroupCount + 1>& lists) {
  AddressCategoryGroups groups;
  groups.filterItems_ << kCategoryFrequent << kCategoryAll;
  for (int i = 1; i <= kGroupCount; ++i) {
    groups.lists_[i] = lists[i];
    if (TrimBlanks(lists[i]).isEmpty()) continue;
    const QStringList items = SplitCsvFields(lists[i], kItemsPerGroup);
    for (qsizetype j = 0; j < items.size(); ++j) {
      const QString item = TrimBlanks(items.at(j));
      if (item.isEmpty()) continue;
      if (item == kCategoryAll || item == kCategoryOther || item == kCategoryFrequent) {
        groups.refusals_ << QStringLiteral("分類に「%1」は指定できません").arg(item);
        continue;
      }
      if (j == 0) {
        groups.names_[i] = item;
        groups.filterItems_ << item;
      } else {
        groups.filterItems_ << QStringLiteral("  ") + item;
        groups.editorItems_ << item;
      }
    }
  }
  groups.filterItems_ << kCategoryOther;
  return groups;
}

AddressCategoryGroups AddressCategoryGroups::Load() {
  std::array<QString, kGroupCount + 1> lists;
  if (TrimBlanks(GetIniValue(kAddressSection, GroupKey(1))).isEmpty()) {
    IniWriteBatch batch;
    for (int i = 0; i < static_cast<int>(kDefaultGroups.size()); ++i)
      WriteIniValue(kAddressSection, GroupKey(i + 1), QString::fromUtf16(kDefaultGroups[i]));
  }
  for (int i = 1; i <= kGroupCount; ++i) lists[i] = GetIniValue(kAddressSection, GroupKey(i));
  return Parse(lists);
}

const QString& AddressCategoryGroups::name(int i) const {
  return i >= 1 && i <= kGroupCount ? names_[i] : kEmpty;
}

const QString& AddressCategoryGroups::list(int i) const {
  return i >= 1 && i <= kGroupCount ? lists_[i] : kEmpty;
}

bool AddressCategoryGroups::isMember(int i, const QString& category) const {
  // An entry without a category would match every comma of every list and
  // so land in every group; it belongs to none.
  if (name(i).isEmpty() || category.isEmpty()) return false;
  return (lists_[i] + u',').contains(category + u',');
}

bool AddressCategoryGroups::isInAnyGroup(const QString& category) const {
  for (int i = 1; i <= kGroupCount; ++i)
    if (isMember(i, category)) return true;
  return false;
}

bool AddressCategoryGroups::passesFilter(const QString& filter, const QString& category,
                                         const QString& flagsField) const {
  if (filter == kCategoryOther) return category == kCategoryOther || !isInAnyGroup(category);
  if (category == filter || filter == kCategoryAll) return true;
  if (filter == kCategoryFrequent) return IsFrequentlyUsed(flagsField);
  for (int i = 1; i <= kGroupCount; ++i)
    if (names_[i] == filter && isMember(i, category)) return true;
  return false;
}
