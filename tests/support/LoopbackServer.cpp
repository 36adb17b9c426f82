// The loopback HTTP server of the score client's tests.
#include "support/LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

LoopbackServer::LoopbackServer(std::function<std::string(const std::string&)> answer, Manner manner)
    : answer_(std::move(answer)), manner_(manner) {
  listener_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  listen(listener_, 8);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  thread_.join();
  close(listener_);
}

std::string LoopbackServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> LoopbackServer::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::string LoopbackServer::AgentOf(size_t request) {
  std::lock_guard<std::mutex> lock(mutex_);
  return request < agents_.size() ? agents_[request] : "";
}

void LoopbackServer::Serve() {
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) continue;
    int client = accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      ssize_t got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      request.append(buffer, static_cast<size_t>(got));
    }
    size_t space = request.find(' '), second = request.find(' ', space + 1);
    std::string target = space == std::string::npos ? "" : request.substr(space + 1, second - space - 1);
    std::string agent;
    size_t at = request.find("User-Agent: ");
    if (at != std::string::npos) agent = request.substr(at + 12, request.find("\r\n", at) - at - 12);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(target);
      agents_.push_back(agent);
    }
    if (manner_ == Manner::Silent) {
      // Holds the connection without a word until the client gives up (or the test ends).
      auto until = std::chrono::steady_clock::now() + std::chrono::seconds(15);
      while (!stopping_ && std::chrono::steady_clock::now() < until) {
        pollfd closed{client, POLLIN, 0};
        if (poll(&closed, 1, 50) > 0 && recv(client, buffer, sizeof buffer, 0) <= 0) break;
      }
    } else {
      std::string body = manner_ == Manner::Flood ? std::string(10 << 20, '7') : answer_(target);
      std::string head = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                         "\r\nConnection: close\r\n\r\n";
      std::string whole = head + body;
      size_t sent = 0;
      while (sent < whole.size()) {
        ssize_t put = send(client, whole.data() + sent, whole.size() - sent, MSG_NOSIGNAL);
        if (put <= 0) break;
        sent += static_cast<size_t>(put);
      }
    }
    close(client);
  }
}
