// The entry editor's buttons 表示, 追加, 更新 and 削除.
#include "RingpadC.h"

// The buttons have no effect yet.
void RingpadC::cmd_update_click(int Index) {}
