#pragma once
// The category groups of the address book: up to nine settings keys
// BUNRUI1 to BUNRUI9 in section DOZIR, each a group name followed by the
// categories it gathers. They drive the category filter of the entry list
// and of printing.
#include <QString>
#include <QStringList>
#include <array>

// Filter items that no group may use as a name or category.
inline const QString kCategoryFrequent = QStringLiteral("よく使う");
inline const QString kCategoryAll = QStringLiteral("全て");
inline const QString kCategoryOther = QStringLiteral("その他");

class AddressCategoryGroups {
 public:
  static constexpr int kGroupCount = 9;
  static constexpr int kItemsPerGroup = 20;

  // Builds the groups from the keys' values (element i for BUNRUI<i>,
  // element 0 unused).
  static AddressCategoryGroups Parse(const std::array<QString, kGroupCount + 1>& lists);

  // Reads the keys from the settings file, first writing the four default
  // groups together when BUNRUI1 is empty or missing.
  static AddressCategoryGroups Load();

  // Group name i (1 to 9), "" for a missing, empty or refused one.
  const QString& name(int i) const;
  // The key's value as read.
  const QString& list(int i) const;

  // The category filter's items: "よく使う", "全て", every group name flush
  // left followed by its categories each behind two blanks, "その他".
  const QStringList& filterItems() const { return filterItems_; }
  // The categories of every group in the same order, for the editor.
  const QStringList& editorItems() const { return editorItems_; }
  // One message text for every reserved name met, in the order met.
  const QStringList& refusals() const { return refusals_; }

  // Whether a category (trimmed by the caller) belongs to group i: the
  // group's value text contains the category followed by ",". Groups
  // without a name have no members.
  bool isMember(int i, const QString& category) const;
  bool isInAnyGroup(const QString& category) const;

  // The category filter: whether an entry of this category and flag field
  // is listed under the filter value (the chosen item, trimmed).
  bool passesFilter(const QString& filter, const QString& category, const QString& flagsField) const;

 private:
  std::array<QString, kGroupCount + 1> names_;
  std::array<QString, kGroupCount + 1> lists_;
  QStringList filterItems_;
  QStringList editorItems_;
  QStringList refusals_;
};

// The settings section of the address window.
inline const QString kAddressSection = QStringLiteral("DOZIR");
