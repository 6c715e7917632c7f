// Work in chunks on several threads, the results handed back in the order the chunks were given,
// so that a batch writes the same bytes whatever the number of threads. With one thread every
// chunk runs at once on the caller's thread.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace salvaro {

// The number of threads for --threads when none is given: every core.
inline unsigned AlleKerne() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : n;
}

// The value of --threads: a whole number from 1 to 256; "" or the German message.
std::string LiesThreads(std::string_view wert, unsigned& threads);

template <class Ergebnis>
class GeordneteArbeit {
 public:
  // An Aufgabe gets the number of the thread it runs on (0 ... threads-1), so that it can use
  // that thread's own engine or payroll case.
  using Aufgabe = std::function<Ergebnis(unsigned arbeiter)>;

  explicit GeordneteArbeit(unsigned threads) : threads_(threads == 0 ? 1 : threads) {
    if (threads_ == 1) return;
    for (unsigned i = 0; i < threads_; ++i) arbeiter_.emplace_back([this, i] { arbeite(i); });
  }
  ~GeordneteArbeit() {
    {
      std::lock_guard<std::mutex> sperre(mutex_);
      ende_ = true;
    }
    bereit_.notify_all();
    for (std::thread& t : arbeiter_) t.join();
  }
  GeordneteArbeit(const GeordneteArbeit&) = delete;
  GeordneteArbeit& operator=(const GeordneteArbeit&) = delete;

  unsigned Threads() const { return threads_; }
  // Enough chunks are under way to keep every thread busy; take the oldest result first.
  bool Voll() const { return offen_.size() >= 2 * static_cast<std::size_t>(threads_); }
  bool Leer() const { return offen_.empty(); }

  void Gib(Aufgabe aufgabe) {
    std::packaged_task<Ergebnis(unsigned)> task(std::move(aufgabe));
    offen_.push_back(task.get_future());
    if (threads_ == 1) {
      task(0);
      return;
    }
    {
      std::lock_guard<std::mutex> sperre(mutex_);
      warteschlange_.push_back(std::move(task));
    }
    bereit_.notify_one();
  }

  // The result of the oldest chunk given (waits for it); an exception of its task is thrown here.
  Ergebnis Naechstes() {
    std::future<Ergebnis> f = std::move(offen_.front());
    offen_.pop_front();
    return f.get();
  }

 private:
  void arbeite(unsigned nummer) {
    while (true) {
      std::packaged_task<Ergebnis(unsigned)> task;
      {
        std::unique_lock<std::mutex> sperre(mutex_);
        bereit_.wait(sperre, [this] { return ende_ || !warteschlange_.empty(); });
        if (ende_) return;
        task = std::move(warteschlange_.front());
        warteschlange_.pop_front();
      }
      task(nummer);
    }
  }

  unsigned threads_;
  std::deque<std::future<Ergebnis>> offen_;  // the caller's side only
  std::mutex mutex_;
  std::condition_variable bereit_;
  std::deque<std::packaged_task<Ergebnis(unsigned)>> warteschlange_;
  bool ende_ = false;
  std::vector<std::thread> arbeiter_;
};

}  // namespace salvaro
