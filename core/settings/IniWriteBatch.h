#pragma once
// Groups many settings writes into one rewrite of the file: while a batch
// lives, writes change the settings in memory (reads see them at once) and
// the file is written when the outermost batch ends.
class IniWriteBatch {
 public:
  IniWriteBatch();
  ~IniWriteBatch();
  IniWriteBatch(const IniWriteBatch&) = delete;
  IniWriteBatch& operator=(const IniWriteBatch&) = delete;

  // Ends the batch now; false when the file could not be written (it then
  // keeps its old content). An inner batch always gives true.
  bool commit();

 private:
  bool open_ = true;
};
