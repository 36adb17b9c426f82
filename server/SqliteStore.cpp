// The score store in one SQLite file, through prepared statements only.
#include <sqlite3.h>

#include <mutex>

#include "ScoreStore.h"

namespace {

class SqliteStore : public ScoreStore {
 public:
  explicit SqliteStore(sqlite3* db) : db_(db) {}
  ~SqliteStore() override { sqlite3_close(db_); }

  bool AddAccount(const std::string& name, const std::string& passwordHash) override {
    std::lock_guard<std::mutex> lock(mutex_);
    Statement s(db_, "INSERT INTO accounts (name, password_hash) VALUES (?1, ?2)");
    s.Text(1, name);
    s.Text(2, passwordHash);
    return s.Done();
  }

  std::optional<std::string> PasswordHash(const std::string& name) override {
    std::lock_guard<std::mutex> lock(mutex_);
    Statement s(db_, "SELECT password_hash FROM accounts WHERE name = ?1");
    s.Text(1, name);
    if (!s.Row()) return std::nullopt;
    return s.TextAt(0);
  }

  bool KeepBest(const std::string& name, int64_t score) override {
    std::lock_guard<std::mutex> lock(mutex_);
    Statement s(db_, "UPDATE accounts SET best = ?2 WHERE name = ?1 AND (best IS NULL OR best < ?2)");
    s.Text(1, name);
    s.Number(2, score);
    return s.Done();
  }

  std::vector<BestScore> Top(size_t count) override {
    std::lock_guard<std::mutex> lock(mutex_);
    Statement s(db_, "SELECT name, best FROM accounts WHERE best IS NOT NULL ORDER BY best DESC, name LIMIT ?1");
    s.Number(1, static_cast<int64_t>(count));
    std::vector<BestScore> top;
    while (s.Row()) top.push_back({s.TextAt(0), s.NumberAt(1)});
    return top;
  }

 private:
  struct Statement {
    sqlite3_stmt* stmt = nullptr;
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Statement() { sqlite3_finalize(stmt); }
    void Text(int at, const std::string& text) {
      sqlite3_bind_text(stmt, at, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void Number(int at, int64_t number) { sqlite3_bind_int64(stmt, at, number); }
    bool Row() { return stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW; }
    bool Done() { return stmt != nullptr && sqlite3_step(stmt) == SQLITE_DONE; }
    std::string TextAt(int column) {
      const unsigned char* text = sqlite3_column_text(stmt, column);
      return text ? reinterpret_cast<const char*>(text) : "";
    }
    int64_t NumberAt(int column) { return sqlite3_column_int64(stmt, column); }
  };
  sqlite3* db_;
  std::mutex mutex_;
};

}  // namespace

std::unique_ptr<ScoreStore> OpenSqliteStore(const std::string& path, std::string& error) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                      nullptr) != SQLITE_OK) {
    error = std::string("cannot open ") + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, 2000);
  const char* schema =
      "PRAGMA journal_mode = WAL;"
      "CREATE TABLE IF NOT EXISTS accounts (name TEXT PRIMARY KEY, password_hash TEXT NOT NULL, best INTEGER);"
      "CREATE INDEX IF NOT EXISTS accounts_best ON accounts (best DESC);";
  char* message = nullptr;
  if (sqlite3_exec(db, schema, nullptr, nullptr, &message) != SQLITE_OK) {
    error = std::string("cannot prepare ") + path + ": " + (message ? message : "?");
    sqlite3_free(message);
    sqlite3_close(db);
    return nullptr;
  }
  return std::make_unique<SqliteStore>(db);
}
