// Headers nearly every source file includes, compiled once per target so that
// a clean build (CI runs one on every change) does not parse Qt's widget
// headers hundreds of times.
#pragma once
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>
