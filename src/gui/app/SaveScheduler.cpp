#include "gui/app/SaveScheduler.h"

#include <QTimer>
#include <algorithm>

#include "app/Global.h"

namespace tf {

TSaveScheduler::TSaveScheduler(TGlobal& global, QObject* parent)
    : QObject(parent), Global_(global), Timer_(new QTimer(this)) {
  Timer_->setSingleShot(true);
  // The save runs from the event loop, off the path of the key or click that
  // made the change; an error goes on to the error window from there.
  connect(Timer_, &QTimer::timeout, this, [this] { Global_.SaveFile(); });
  Global_.SetSaveListener([this](TSaveEvent event) { Hear(event); });
}

TSaveScheduler::~TSaveScheduler() {
  Global_.SetSaveListener({});
}

bool TSaveScheduler::Pending() const {
  return Timer_->isActive();
}

void TSaveScheduler::SaveNow() {
  if (!Pending()) return;
  Timer_->stop();
  Global_.SaveFile();
}

void TSaveScheduler::Hear(TSaveEvent event) {
  switch (event) {
    case TSaveEvent::ChangeNoted:
      Schedule();
      break;
    case TSaveEvent::Saved:
      // Whatever was waiting is on disk now.
      Timer_->stop();
      SinceFirstChange_.invalidate();
      break;
    case TSaveEvent::SaveFailed:
      Timer_->stop();
      SinceFirstChange_.invalidate();
      break;
  }
  emit unsavedChanged(Global_.HasUnsavedChanges());
}

void TSaveScheduler::Schedule() {
  if (!SinceFirstChange_.isValid()) SinceFirstChange_.start();
  const qint64 left = kLatestMs - SinceFirstChange_.elapsed();
  Timer_->start(static_cast<int>(std::clamp<qint64>(left, 0, kQuietMs)));
}

}  // namespace tf
