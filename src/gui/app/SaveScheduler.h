// The window's save of changes that only reached memory (a category given
// from the menu, a lock, a recognition run, a new password): one save a
// second after the last such change, and never later than two seconds after
// the first one that is not on disk yet. A failed save keeps the change
// marked; the next change tries again.
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QTimer;

namespace tf {

class TGlobal;
enum class TSaveEvent;

class TSaveScheduler : public QObject {
  Q_OBJECT

 public:
  static constexpr int kQuietMs = 1000;
  static constexpr int kLatestMs = 2000;

  TSaveScheduler(TGlobal& global, QObject* parent = nullptr);
  ~TSaveScheduler() override;

  // A save is waiting for its time.
  bool Pending() const;
  // Saves now when a save is waiting; nothing otherwise.
  void SaveNow();

 signals:
  // The data has (or no longer has) changes that are not on disk.
  void unsavedChanged(bool unsaved);

 private:
  void Hear(TSaveEvent event);
  void Schedule();

  TGlobal& Global_;
  QTimer* Timer_;
  QElapsedTimer SinceFirstChange_;
};

}  // namespace tf
