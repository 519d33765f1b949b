#include "RingpadV.h"

RingpadV::RingpadV(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("プレビュー"));
}
