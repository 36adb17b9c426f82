// novabouncer-scores-bench: requests a second and latency of the score server on this machine, its store
// SQLite (a temporary file) or a PostgreSQL database given by URI.
#include <httplib.h>
#include <sodium.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ScoreRoutes.h"
#include "base/ScoreScramble.h"
#include "media/Media.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs `requests` GETs of the paths `pathOf` gives on `clients` keep-alive connections; prints the figures.
void Measure(const char* what, int port, int clients, int requests, const std::function<std::string(int)>& pathOf) {
  std::vector<double> latencies(static_cast<size_t>(requests));
  std::atomic<int> next{0}, failed{0};
  auto start = Clock::now();
  std::vector<std::thread> threads;
  for (int c = 0; c < clients; ++c) {
    threads.emplace_back([&] {
      httplib::Client client("127.0.0.1", port);
      client.set_keep_alive(true);
      client.set_tcp_nodelay(true);
      for (int i = next++; i < requests; i = next++) {
        auto sent = Clock::now();
        auto answer = client.Get(pathOf(i).c_str());
        latencies[static_cast<size_t>(i)] = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        if (!answer || answer->status != 200 || answer->body.empty()) failed += 1;
      }
    });
  }
  for (auto& t : threads) t.join();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::sort(latencies.begin(), latencies.end());
  std::printf("%-10s %6d requests on %d connections: %8.0f a second, latency median %6.2f ms, 99th percentile %6.2f ms"
              "%s\n",
              what, requests, clients, requests / seconds, latencies[latencies.size() / 2],
              latencies[latencies.size() * 99 / 100], failed ? " (some failed)" : "");
}

}  // namespace

int main(int argc, char** argv) {
  std::string postgres = argc > 2 && std::string(argv[1]) == "--postgres" ? argv[2] : "";
  if (sodium_init() < 0) return 1;
  std::string path = (std::filesystem::temp_directory_path() / ("nb-bench-" + std::to_string(getpid()) + ".sqlite")).string();
  std::string error;
  auto store = postgres.empty() ? OpenSqliteStore(path, error) : OpenPostgresStore(postgres, error);
  if (!store) {
    std::fprintf(stderr, "novabouncer-scores-bench: %s\n", error.c_str());
    return 1;
  }
  ScoreService service(*store, 0);  // one address asks everything here: no limit
  const int accounts = 40;
  std::string suffix = std::to_string(getpid());
  for (int i = 0; i < accounts; ++i) service.Register("bench" + std::to_string(i) + "x" + suffix, "password");
  httplib::Server http;
  ServeScores(http, service);
  int port = http.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { http.listen_after_bind(); });
  while (!http.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  std::printf("score server on this machine, store %s\n", postgres.empty() ? "SQLite" : "PostgreSQL");
  Measure("GetScores", port, 2, 10000, [](int) { return std::string("/live/getscores.php?action=GetScores&gid=3"); });
  std::string digest = Md5Hex("password");
  Measure("SetScore", port, 2, 200, [&](int i) {
    return "/live/qsecure2.php?user_name=bench" + std::to_string(i % accounts) + "x" + suffix + "&user_pass=" + digest +
           "&action=SetScore&gid=3&arg=" + PercentEncode(ScrambleScore(1000 + i, i % 81));
  });
  http.stop();
  serving.join();
  store.reset();
  std::filesystem::remove(path);
  std::filesystem::remove(path + "-wal");
  std::filesystem::remove(path + "-shm");
  return 0;
}
