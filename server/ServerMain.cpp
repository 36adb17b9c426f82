// novabouncer-scores: the score server the game talks to, and the live-scores page players sign up on.
#include <httplib.h>
#include <sodium.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ScoreRoutes.h"

namespace {

httplib::Server* running = nullptr;

void Stop(int) {
  if (running) running->stop();
}

const char* kUsage =
    "usage: novabouncer-scores [--port N] [--bind ADDRESS] (--db FILE.sqlite | --postgres URI)\n"
    "  --port N          the port to listen on (default 8080)\n"
    "  --bind ADDRESS    the address to listen on (default 0.0.0.0)\n"
    "  --db FILE         keep the scores in this SQLite file (default scores.sqlite)\n"
    "  --postgres URI    keep them in a PostgreSQL database instead (postgresql://user@host/db)\n"
    "  --rate N          requests a second one address may make on average (default 5; 0: no limit, for\n"
    "                    a server behind a load balancer, which limits instead)\n";

}  // namespace

int main(int argc, char** argv) {
  int port = 8080;
  std::string bind = "0.0.0.0", db = "scores.sqlite", postgres;
  double rate = 5;
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    bool hasValue = i + 1 < argc;
    if (word == "--port" && hasValue) {
      char* end = nullptr;
      long value = std::strtol(argv[++i], &end, 10);
      if (*end != 0 || value < 0 || value > 65535) {
        std::fprintf(stderr, "novabouncer-scores: --port takes 0 to 65535\n%s", kUsage);
        return 2;
      }
      port = static_cast<int>(value);
    } else if (word == "--rate" && hasValue) {
      char* end = nullptr;
      rate = std::strtod(argv[++i], &end);
      if (*end != 0 || !(rate >= 0 && rate <= 1e6)) {
        std::fprintf(stderr, "novabouncer-scores: --rate takes a number of requests a second, 0 for no limit\n%s", kUsage);
        return 2;
      }
    } else if (word == "--bind" && hasValue) {
      bind = argv[++i];
    } else if (word == "--db" && hasValue) {
      db = argv[++i];
    } else if (word == "--postgres" && hasValue) {
      postgres = argv[++i];
    } else {
      std::fprintf(stderr, "%s", kUsage);
      return word == "--help" ? 0 : 2;
    }
  }
  if (sodium_init() < 0) {
    std::fprintf(stderr, "novabouncer-scores: libsodium could not start\n");
    return 1;
  }
  std::string error;
  std::unique_ptr<ScoreStore> store = postgres.empty() ? OpenSqliteStore(db, error) : OpenPostgresStore(postgres, error);
  if (!store) {
    std::fprintf(stderr, "novabouncer-scores: %s\n", error.c_str());
    return 1;
  }
  ScoreService service(*store, rate);
  httplib::Server server;
  ServeScores(server, service);
  running = &server;
  std::signal(SIGINT, Stop);
  std::signal(SIGTERM, Stop);
  if (port == 0) {
    port = server.bind_to_any_port(bind);
  } else if (!server.bind_to_port(bind, port)) {
    port = -1;
  }
  if (port < 0) {
    std::fprintf(stderr, "novabouncer-scores: cannot listen on %s port %d\n", bind.c_str(), port);
    return 1;
  }
  std::printf("novabouncer-scores: listening on http://%s:%d/live/\n", bind.c_str(), port);
  std::fflush(stdout);
  server.listen_after_bind();
  return 0;
}
