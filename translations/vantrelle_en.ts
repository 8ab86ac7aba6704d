<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>vantrelle::Adding</name>
    <message numerus="yes">
        <source>%n file(s) look like results of an earlier run. Leave them out?</source>
        <translation>
            <numerusform>%n file looks like the result of an earlier run. Leave it out?</numerusform>
            <numerusform>%n files look like results of an earlier run. Leave them out?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::ChangeList</name>
    <message numerus="yes">
        <source>%Ln occurrence(s)</source>
        <translation>
            <numerusform>%Ln occurrence</numerusform>
            <numerusform>%Ln occurrences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln occurrence(s).</source>
        <translation>
            <numerusform>%Ln occurrence.</numerusform>
            <numerusform>%Ln occurrences.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::Form1</name>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pair</numerusform>
            <numerusform>%n pairs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::PagesView</name>
    <message numerus="yes">
        <source>Marked in red: where the pages differ (page(s) %1).</source>
        <translation>
            <numerusform>Marked in red: where the pages differ (page %1).</numerusform>
            <numerusform>Marked in red: where the pages differ (pages %1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::PairText</name>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n group</numerusform>
            <numerusform>%n groups</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::ReportWindow</name>
    <message numerus="yes">
        <source>%n PDFs already exist, such as %1. Replace them?</source>
        <translation>
            <numerusform>%n PDF already exists, such as %1. Replace it?</numerusform>
            <numerusform>%n PDFs already exist, such as %1. Replace them?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::RunText</name>
    <message numerus="yes">
        <source>%Ln written</source>
        <translation>
            <numerusform>%Ln written</numerusform>
            <numerusform>%Ln written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <translation>
            <numerusform>%Ln failed</numerusform>
            <numerusform>%Ln failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not reached</source>
        <translation>
            <numerusform>%Ln not reached</numerusform>
            <numerusform>%Ln not reached</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln would be written</source>
        <translation>
            <numerusform>%Ln would be written</numerusform>
            <numerusform>%Ln would be written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with nothing to replace</source>
        <translation>
            <numerusform>%Ln with nothing to replace</numerusform>
            <numerusform>%Ln with nothing to replace</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln would fail</source>
        <translation>
            <numerusform>%Ln would fail</numerusform>
            <numerusform>%Ln would fail</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <translation>
            <numerusform>%Ln skipped</numerusform>
            <numerusform>%Ln skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln document(s)</source>
        <translation>
            <numerusform>%Ln document</numerusform>
            <numerusform>%Ln documents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s) would be made</source>
        <translation>
            <numerusform>%Ln replacement would be made</numerusform>
            <numerusform>%Ln replacements would be made</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s)</source>
        <translation>
            <numerusform>%Ln replacement</numerusform>
            <numerusform>%Ln replacements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (and the counts of %Ln document(s) not known)</source>
        <translation>
            <numerusform>%1 (and the counts of %Ln document not known)</numerusform>
            <numerusform>%1 (and the counts of %Ln documents not known)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) left out: they look like results of an earlier run (--include-results edits them too).</source>
        <translation>
            <numerusform>%n file left out: it looks like the result of an earlier run (--include-results edits it too).</numerusform>
            <numerusform>%n files left out: they look like results of an earlier run (--include-results edits them too).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) overflow</source>
        <translation>
            <numerusform>%n box overflows</numerusform>
            <numerusform>%n boxes overflow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) may overflow</source>
        <translation>
            <numerusform>%n box may overflow</numerusform>
            <numerusform>%n boxes may overflow</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::SetsText</name>
    <message numerus="yes">
        <source>The sets list holds at most 32,767 pairs. %n line(s) of the file were not loaded.</source>
        <translation>
            <numerusform>The sets list holds at most 32,767 pairs. %n line of the file was not loaded.</numerusform>
            <numerusform>The sets list holds at most 32,767 pairs. %n lines of the file were not loaded.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::fit::FitText</name>
    <message numerus="yes">
        <source>already overflowed; now %n line(s) more</source>
        <translation>
            <numerusform>already overflowed; now %n line more</numerusform>
            <numerusform>already overflowed; now %n lines more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>overflows by about %n line(s)</source>
        <translation>
            <numerusform>overflows by about %n line</numerusform>
            <numerusform>overflows by about %n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::pubengine::EngineText</name>
    <message numerus="yes">
        <source>%n occurrences of “%1” were left unchanged %2.</source>
        <translation>
            <numerusform>%n occurrence of “%1” was left unchanged %2.</numerusform>
            <numerusform>%n occurrences of “%1” were left unchanged %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
