// The score server's answers, apart from HTTP: the game's three requests, registration and the live page.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "ScoreStore.h"

constexpr int kScoreGameId = 3;

class ScoreService {
 public:
  // `requestsPerSecond`: what one address may ask on average (four times as many at once); 0 no limit.
  explicit ScoreService(ScoreStore& store, double requestsPerSecond = 5) : store_(store), rate_(requestsPerSecond) {}
  // GetScores: the ten best, checksum, count and rows as the game reads them.
  std::string GetScores();
  // LogTest and SetScore (`arg` already percent-decoded): "1" for success, "0" otherwise.
  std::string QSecure(const std::string& name, const std::string& passwordDigest, const std::string& action,
                      const std::string& gameId, const std::string& arg);
  // A new account from the page's form; the empty text when it was made, else why not.
  std::string Register(const std::string& name, const std::string& password);
  // The live page: the ten best as an HTML table that reloads itself, and the form to register.
  std::string LivePage(const std::string& notice);
  // Whether `address` may make another request now (a few a second each, with a short burst).
  bool Admit(const std::string& address);

 private:
  bool Verified(const std::string& name, const std::string& passwordDigest);
  ScoreStore& store_;
  double rate_;
  struct Bucket {
    double tokens = 0;
    std::chrono::steady_clock::time_point last;
  };
  std::mutex bucketsMutex_;
  std::map<std::string, Bucket> buckets_;
};
