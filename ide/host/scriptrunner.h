#pragma once

// Runs a host script: one command a line, words split at blanks, "quoted
// words" kept whole, # starts a comment. Every scenario runs offscreen or
// under a display the same way; modal dialogs are answered through the
// modal responder.
//
//   package load [internal] | package unload
//   drop CLASS                      the palette; the new component's name goes to $last
//   select NAME | delete (the Delete key on the form) | edit NAME
//   menu NAME                       the component's context menu; verb CAPTION chooses
//   inspect events|properties | event NAME (double click) | setvalue NAME VALUE
//   tree TEXT                       selects the node in a design window's tree
//   answer yes|no|ok|cancel | file PATH | print
//   modal ... end                   the next modal form runs these commands
//   click NAME[.INDEX...] | key KEY [ctrl|shift]   in the innermost modal form
//   save FILE | load FILE | run FILE | deletemethod NAME
//   remember VAR PROBE | assert PROBE OP VALUE (OP: == != contains !contains)
//   grab WINDOW FILE | settle
// Probes: caption, title, apphandlers, modified, verbs, methods, shown,
// calls, events(NAME), document(NAME), designwindows, rows, value(NAME),
// registrations, designclasses, exchangefiles, status, pagetext, pages,
// windows, exists(FILE), lastmessage. $VAR and $last stand for their values.

#include <QString>
#include <QStringList>

namespace idehost {

class THostMainWindow;

// Runs the script against Main; 0 when every command ran and every
// assertion held, else 1 with the failures on stderr.
int RunScript(THostMainWindow& Main, const QString& FileName);
int RunScriptText(THostMainWindow& Main, const QStringList& Lines, const QString& Origin);

} // namespace idehost
