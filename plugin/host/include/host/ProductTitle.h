// The product title, "Quorlex for <host name> version 1.0": the caption of every message box of
// the plug-in and the title of its About box, rebuilt from the running host's version at the start
// of every command.
#pragma once

// Index into the host-name table from the host's system variable "_VERNUM": 1 to 4 for the host
// releases 8 to 11, 0 for any other release and when the variable cannot be read as text. Only the
// leading integer counts ("10.3.1" is 10).
int HostVersionIndex();

// The name of the host release at `index` ("Bricscad 10"); index 0 and any index outside the
// table give the name of an unknown release, "Bricscad ????".
const wchar_t* HostName(int index);

// Reads "_VERNUM" anew and rewrites the title.
void BuildProductTitle();

// The title as last built; empty until the first BuildProductTitle. Valid until the next rebuild.
const wchar_t* ProductTitle();
