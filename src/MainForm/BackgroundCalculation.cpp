#include "BackgroundCalculation.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>
#include <utility>

#include "Cancel.h"
#include "KeptCalculation.h"

namespace zorvel {

BackgroundCalculation::BackgroundCalculation(QObject* parent) : QObject(parent) {}

BackgroundCalculation::~BackgroundCalculation() {
  Cancel();
  for (QFuture<Outcome>& future : unfinished_) future.waitForFinished();
}

void BackgroundCalculation::Start(std::shared_ptr<KeptCalculation> kept, std::stop_source stop) {
  Cancel();
  stop_ = std::move(stop);
  running_ = true;
  const std::uint64_t generation = ++generation_;
  std::erase_if(unfinished_, [](const QFuture<Outcome>& future) { return future.isFinished(); });
  QFuture<Outcome> future = QtConcurrent::run([generation, kept = std::move(kept)]() mutable {
    Outcome outcome{generation, std::move(kept), {}, false};
    try {
      outcome.kept->Results().WorkOutShown();
    } catch (const CalculationCancelled&) {
      outcome.cancelled = true;
    } catch (const std::exception& error) {
      outcome.error = QByteArray(error.what());
      if (outcome.error.isEmpty()) outcome.error = "?";
    }
    return outcome;
  });
  unfinished_.push_back(future);
  auto* watcher = new QFutureWatcher<Outcome>(this);
  connect(watcher, &QFutureWatcher<Outcome>::finished, this, [this, watcher] {
    Arrived(watcher->result());
    watcher->deleteLater();
  });
  watcher->setFuture(future);
}

void BackgroundCalculation::Cancel() {
  ++generation_;  // a result already on its way is dropped
  running_ = false;
  stop_.request_stop();
}

void BackgroundCalculation::Arrived(const Outcome& outcome) {
  if (outcome.generation != generation_ || outcome.cancelled) return;
  running_ = false;
  emit finished(outcome.kept, outcome.error);
}

}  // namespace zorvel
