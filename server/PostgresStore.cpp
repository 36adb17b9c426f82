// The score store in a PostgreSQL database, so that several servers behind a load balancer share one table.
#include <libpq-fe.h>

#include <mutex>

#include "ScoreStore.h"

namespace {

class PostgresStore : public ScoreStore {
 public:
  explicit PostgresStore(PGconn* connection) : connection_(connection) {}
  ~PostgresStore() override { PQfinish(connection_); }

  bool AddAccount(const std::string& name, const std::string& passwordHash) override {
    Result r = Run("INSERT INTO accounts (name, password_hash) VALUES ($1, $2) ON CONFLICT (name) DO NOTHING",
                   {name, passwordHash});
    return r.Ok(PGRES_COMMAND_OK) && std::string(PQcmdTuples(r.result)) == "1";
  }

  std::optional<std::string> PasswordHash(const std::string& name) override {
    Result r = Run("SELECT password_hash FROM accounts WHERE name = $1", {name});
    if (!r.Ok(PGRES_TUPLES_OK) || PQntuples(r.result) == 0) return std::nullopt;
    return std::string(PQgetvalue(r.result, 0, 0));
  }

  bool KeepBest(const std::string& name, int64_t score) override {
    Result r = Run("UPDATE accounts SET best = $2::bigint WHERE name = $1 AND (best IS NULL OR best < $2::bigint)",
                   {name, std::to_string(score)});
    return r.Ok(PGRES_COMMAND_OK);
  }

  std::vector<BestScore> Top(size_t count) override {
    Result r = Run("SELECT name, best FROM accounts WHERE best IS NOT NULL ORDER BY best DESC, name LIMIT $1::int",
                   {std::to_string(count)});
    std::vector<BestScore> top;
    if (!r.Ok(PGRES_TUPLES_OK)) return top;
    for (int i = 0; i < PQntuples(r.result); ++i)
      top.push_back({PQgetvalue(r.result, i, 0), std::stoll(PQgetvalue(r.result, i, 1))});
    return top;
  }

 private:
  struct Result {
    PGresult* result = nullptr;
    ~Result() { PQclear(result); }
    bool Ok(ExecStatusType wanted) const { return result != nullptr && PQresultStatus(result) == wanted; }
  };
  // Parameters go apart from the statement's text, always.
  Result Run(const char* sql, const std::vector<std::string>& values) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (PQstatus(connection_) != CONNECTION_OK) PQreset(connection_);
    std::vector<const char*> params;
    for (const std::string& value : values) params.push_back(value.c_str());
    Result r;
    r.result = PQexecParams(connection_, sql, static_cast<int>(params.size()), nullptr, params.data(), nullptr,
                            nullptr, 0);
    return r;
  }
  PGconn* connection_;
  std::mutex mutex_;
};

}  // namespace

std::unique_ptr<ScoreStore> OpenPostgresStore(const std::string& uri, std::string& error) {
  PGconn* connection = PQconnectdb(uri.c_str());
  if (PQstatus(connection) != CONNECTION_OK) {
    error = std::string("cannot connect to PostgreSQL: ") + PQerrorMessage(connection);
    PQfinish(connection);
    return nullptr;
  }
  PGresult* made = PQexec(connection,
                          "CREATE TABLE IF NOT EXISTS accounts (name TEXT PRIMARY KEY, password_hash TEXT NOT NULL, "
                          "best BIGINT); CREATE INDEX IF NOT EXISTS accounts_best ON accounts (best DESC)");
  bool ok = PQresultStatus(made) == PGRES_COMMAND_OK;
  if (!ok) error = std::string("cannot prepare the table: ") + PQerrorMessage(connection);
  PQclear(made);
  if (!ok) {
    PQfinish(connection);
    return nullptr;
  }
  return std::make_unique<PostgresStore>(connection);
}
