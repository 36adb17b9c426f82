// The score server's web addresses: the game's requests, the live page and its registration form.
#pragma once

#include <httplib.h>

#include "ScoreService.h"

// Sets up `server` to answer through `service`, with its limits: small requests, a few a second an address.
void ServeScores(httplib::Server& server, ScoreService& service);
