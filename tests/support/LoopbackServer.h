// A tiny HTTP server on the loopback address for the score client's tests: it records the request lines and
// answers each from a handler (or never, or with far too much).
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
 public:
  enum class Manner { Answer, Silent, Flood };
  // `answer` gets the request's path and query and returns the body (status 200).
  explicit LoopbackServer(std::function<std::string(const std::string&)> answer, Manner manner = Manner::Answer);
  ~LoopbackServer();
  std::string Address() const;                    // "http://127.0.0.1:PORT"
  std::vector<std::string> Requests();            // path and query of each request so far
  std::string AgentOf(size_t request);            // the User-Agent header it came with

 private:
  void Serve();
  std::function<std::string(const std::string&)> answer_;
  Manner manner_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::vector<std::string> requests_, agents_;
  std::thread thread_;
};
