// The score server's web addresses, shared by the server, its benchmark and its tests.
#include "ScoreRoutes.h"

void ServeScores(httplib::Server& server, ScoreService& service) {
  server.set_payload_max_length(4096);
  server.set_tcp_nodelay(true);  // kept-alive answers go at once, not after the peer's delayed acknowledgement
  server.set_read_timeout(5, 0);
  server.set_write_timeout(5, 0);
  server.set_keep_alive_max_count(20);
  server.set_pre_routing_handler([&service](const httplib::Request& request, httplib::Response& response) {
    if (request.target.size() > 2048 || !service.Admit(request.remote_addr)) {
      response.status = 429;
      response.set_content("Too many requests", "text/plain");
      return httplib::Server::HandlerResponse::Handled;
    }
    response.set_header("Cache-Control", "no-store");
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server.Get("/live/getscores.php", [&service](const httplib::Request& request, httplib::Response& response) {
    bool asked = request.get_param_value("action") == "GetScores" &&
                 request.get_param_value("gid") == std::to_string(kScoreGameId);
    response.set_content(asked ? service.GetScores() : "", "text/plain");
  });
  server.Get("/live/qsecure2.php", [&service](const httplib::Request& request, httplib::Response& response) {
    // The query's values arrive percent-decoded: "arg" is the 128 scrambled digits.
    response.set_content(service.QSecure(request.get_param_value("user_name"), request.get_param_value("user_pass"),
                                         request.get_param_value("action"), request.get_param_value("gid"),
                                         request.get_param_value("arg")),
                         "text/plain");
  });
  server.Get("/live/", [&service](const httplib::Request&, httplib::Response& response) {
    response.set_content(service.LivePage(""), "text/html; charset=utf-8");
  });
  server.Get("/", [](const httplib::Request&, httplib::Response& response) { response.set_redirect("/live/"); });
  server.Post("/live/register", [&service](const httplib::Request& request, httplib::Response& response) {
    std::string name = request.get_param_value("name");
    std::string problem = service.Register(name, request.get_param_value("password"));
    response.set_content(service.LivePage(problem.empty() ? "Welcome to the table, " + name + "!" : problem),
                         "text/html; charset=utf-8");
  });
}
