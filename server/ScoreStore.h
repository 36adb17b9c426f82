// Where the score server keeps its accounts and best scores: one small interface, SQLite or PostgreSQL behind it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct BestScore {
  std::string name;
  int64_t score = 0;
};

class ScoreStore {
 public:
  virtual ~ScoreStore() = default;
  // False when the name is taken (or the store fails).
  virtual bool AddAccount(const std::string& name, const std::string& passwordHash) = 0;
  // The account's password hash; nothing when there is no such account.
  virtual std::optional<std::string> PasswordHash(const std::string& name) = 0;
  // Keeps `score` as the account's best when it beats the one kept: a best score is never lowered.
  virtual bool KeepBest(const std::string& name, int64_t score) = 0;
  // The best scores of all accounts that have one, highest first.
  virtual std::vector<BestScore> Top(size_t count) = 0;
};

// The default store: one SQLite file, made when missing. Null with `error` set when it cannot be opened.
std::unique_ptr<ScoreStore> OpenSqliteStore(const std::string& path, std::string& error);
// A PostgreSQL database shared by several servers (a connection URI such as postgresql://user@host/db).
std::unique_ptr<ScoreStore> OpenPostgresStore(const std::string& uri, std::string& error);
