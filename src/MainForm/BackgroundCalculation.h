#pragma once

#include <QFuture>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <stop_token>
#include <vector>

namespace zorvel {

class KeptCalculation;

// Exact results that would hold the window for longer than a frame are
// worked out here, on a thread of Qt's pool. Only the latest start counts:
// every start cancels the work before it (which stops between its steps)
// and that work's result is dropped, so nothing stale is ever shown.
class BackgroundCalculation : public QObject {
  Q_OBJECT

 public:
  explicit BackgroundCalculation(QObject* parent = nullptr);
  // Cancels what runs and waits for it: the work holds no part of the window,
  // but the program does not end with a thread still computing.
  ~BackgroundCalculation() override;
  BackgroundCalculation(const BackgroundCalculation&) = delete;
  BackgroundCalculation& operator=(const BackgroundCalculation&) = delete;

  // Works out everything shown for `kept`, whose input was made with
  // `stop`'s token.
  void Start(std::shared_ptr<KeptCalculation> kept, std::stop_source stop);
  // Cancels what runs; its result never arrives.
  void Cancel();
  [[nodiscard]] bool Running() const { return running_; }

 signals:
  // The latest start's work is done; `error` (Windows-1250, as the
  // calculation's errors) is empty when it succeeded.
  void finished(std::shared_ptr<zorvel::KeptCalculation> kept, const QByteArray& error);

 private:
  struct Outcome {
    std::uint64_t generation = 0;
    std::shared_ptr<KeptCalculation> kept;
    QByteArray error;
    bool cancelled = false;
  };
  void Arrived(const Outcome& outcome);

  std::uint64_t generation_ = 0;
  bool running_ = false;
  std::stop_source stop_;
  // Every work not yet ended, so that the destructor can wait for them.
  std::vector<QFuture<Outcome>> unfinished_;
};

}  // namespace zorvel
