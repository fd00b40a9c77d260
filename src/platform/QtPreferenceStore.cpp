#include "platform/QtPreferenceStore.h"

#include <QSettings>
#include <QVariant>
#include <utility>

namespace tf {

TQtPreferenceStore::TQtPreferenceStore()
    : TQtPreferenceStore(QStringLiteral("Quillmere"), QStringLiteral("Tallyfold")) {}

TQtPreferenceStore::TQtPreferenceStore(QString organization, QString application)
    : organization_(std::move(organization)), application_(std::move(application)) {}

// Each call opens the store afresh, so another running copy's changes are seen.
std::string TQtPreferenceStore::ReadSetting(const std::string& name) {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organization_,
                           application_);
  const QVariant value = settings.value(QString::fromStdString(name));
  if (settings.status() != QSettings::NoError) return std::string();
  if (value.typeId() != QMetaType::QString) return std::string();
  return value.toString().toStdString();
}

void TQtPreferenceStore::WriteSetting(const std::string& name, const std::string& value) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organization_, application_);
  settings.setValue(QString::fromStdString(name), QString::fromStdString(value));
}

}  // namespace tf
