#pragma once

// Makes SIGTERM, SIGINT and SIGHUP leave the application's event loop through
// QCoreApplication::quit(), so that a logout or a kill ends the program the way its own Exit
// does: the caller's code after exec() still runs. Call once the application object exists.
// False when the signals could not be taken over.
[[nodiscard]] bool QuitOnTerminationSignals();
