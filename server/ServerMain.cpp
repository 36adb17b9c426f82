// novabouncer-scores: the score server the game talks to, and the live-scores page players sign up on.
#include <httplib.h>
#include <sodium.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ScoreService.h"
#include "base/ScoreScramble.h"

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
    "  --postgres URI    keep them in a PostgreSQL database instead (postgresql://user@host/db)\n";

}  // namespace

int main(int argc, char** argv) {
  int port = 8080;
  std::string bind = "0.0.0.0", db = "scores.sqlite", postgres;
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
  ScoreService service(*store);
  httplib::Server server;
  server.set_payload_max_length(4096);
  server.set_tcp_nodelay(true);  // kept-alive answers go at once, not after the peer's delayed acknowledgement
  server.set_read_timeout(5, 0);
  server.set_write_timeout(5, 0);
  server.set_keep_alive_max_count(20);
  server.set_pre_routing_handler([&](const httplib::Request& request, httplib::Response& response) {
    if (request.target.size() > 2048 || !service.Admit(request.remote_addr)) {
      response.status = 429;
      response.set_content("Too many requests", "text/plain");
      return httplib::Server::HandlerResponse::Handled;
    }
    response.set_header("Cache-Control", "no-store");
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server.Get("/live/getscores.php", [&](const httplib::Request& request, httplib::Response& response) {
    if (request.get_param_value("action") != "GetScores" ||
        request.get_param_value("gid") != std::to_string(kScoreGameId)) {
      response.set_content("", "text/plain");
      return;
    }
    response.set_content(service.GetScores(), "text/plain");
  });
  server.Get("/live/qsecure2.php", [&](const httplib::Request& request, httplib::Response& response) {
    // The query's values arrive percent-decoded: "arg" is the 128 scrambled digits.
    response.set_content(service.QSecure(request.get_param_value("user_name"), request.get_param_value("user_pass"),
                                         request.get_param_value("action"), request.get_param_value("gid"),
                                         request.get_param_value("arg")),
                         "text/plain");
  });
  server.Get("/live/", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(service.LivePage(""), "text/html; charset=utf-8");
  });
  server.Get("/", [&](const httplib::Request&, httplib::Response& response) { response.set_redirect("/live/"); });
  server.Post("/live/register", [&](const httplib::Request& request, httplib::Response& response) {
    std::string problem = service.Register(request.get_param_value("name"), request.get_param_value("password"));
    response.set_content(service.LivePage(problem.empty() ? "Welcome to the table, " + request.get_param_value("name") +
                                                                "!"
                                                          : problem),
                         "text/html; charset=utf-8");
  });
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
