#pragma once
// The calculus algorithms the command table dispatches to, each taking the
// arguments in the command's normal form (see base/command_algorithm.h).

#include "engine/commands/calculus/derivative.h"
#include "engine/commands/calculus/integrate.h"
#include "engine/commands/calculus/limit.h"
#include "engine/commands/calculus/nintegrate.h"
#include "engine/commands/calculus/series.h"
#include "engine/commands/calculus/sum_product.h"
#include "engine/commands/simplify/trig_reduce.h"
