#include "Job.h"
