#pragma once
// The calculus algorithms the command table dispatches to, each taking the
// arguments in the command's normal form (see command_algorithms.h).

#include "engine/commands/derivative.h"
#include "engine/commands/integrate.h"
#include "engine/commands/limit.h"
#include "engine/commands/nintegrate.h"
#include "engine/commands/series.h"
#include "engine/commands/sum_product.h"
#include "engine/commands/trig_reduce.h"
