<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>ChartChoiceWords</name>
    <message>
        <source>Lahiri (Chitrapaksha)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fagan-Bradley</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sri Yukteshwar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J. N. Bhasin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True Chitra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True Revati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True Pushya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surya Siddhanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aryabhata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usha-Shashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own value</source>
        <extracomment>The ayanamsa the reader types in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper limb, with refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre of the disc, with refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre of the disc, no refraction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartFileReading</name>
    <message>
        <source>The chart could not be opened from</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>The picture could not be saved to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be made a bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartSettings</name>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartStyle</name>
    <message>
        <source>North Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoordinateSearch</name>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashaWords</name>
    <message>
        <source>yogini dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mahadasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance of %1 %2 at birth: %3 %4 %5</source>
        <extracomment>The ruler, the period&apos;s kind, then its years, months and days: &quot;Balance of Rahu mahadasha at birth: 2 years 3 months 10 days&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EphemerisCaption</name>
    <message>
        <source>Classic ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise ephemeris (Moshier)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, own ayanamsa %2</source>
        <extracomment>The engine, then the reader&apos;s own ayanamsa in degrees, minutes and seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 ayanamsa</source>
        <extracomment>The engine, then the ayanamsa&apos;s short name: &quot;Precise ephemeris, Raman ayanamsa&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Select the source file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani (*.gvc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The horoscope could not be saved to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxSink</name>
    <message>
        <source>Grahavani</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Only %1 of %2 bytes could be written: the disk may be full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::AshtakavargaTab</name>
    <message>
        <source>Sarva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashtakavarga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bindus each planet&apos;s ashtakavarga and the sarva give the twelve signs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga bindus by sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashtakavarga drawings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bindus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::AtlasZoneChoice</name>
    <message>
        <source>Time zone found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeated hour</source>
        <extracomment>The hour a clock shows twice when daylight saving time ends.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>The first of the repeated hour&apos;s two passes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>The second of the repeated hour&apos;s two passes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest atlas place %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates are those of %1: choose a place from the list or type the coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The City box says &quot;%1&quot;, but the latitude and longitude are those of %2, chosen from the atlas.

Calculate the chart with them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude as whole numbers to suggest a zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The atlas has no place in &quot;%1&quot; to suggest a zone from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart file&apos;s zone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart file does not say its time zone: the form&apos;s zone is used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::ChartSession</name>
    <message>
        <source>Grahavani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Precise Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep &amp;Classic Engine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::DashaPanchangTab</name>
    <message>
        <source>Panchang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limb</source>
        <extracomment>One of the panchang&apos;s five limbs (tithi, vara, nakshatra, yoga, karana): a column heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paksha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Panchang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &amp;dasha</source>
        <extracomment>The dasha system&apos;s name: &quot;Vimshottari &amp;dasha&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha years of %1. Times on the birth place&apos;s clock, UTC%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::DashaTreeModel</name>
    <message>
        <source>▶ now</source>
        <extracomment>Marks the period running now; a screen reader says &quot;running&quot; instead.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>The planet ruling the dasha period.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The date and time the period starts, and ends.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running</source>
        <extracomment>Whether the period is running now.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::InterpretationView</name>
    <message>
        <source>Nakshatra picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rashi picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha and Panchang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashtakavarga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadbala</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::MDI</name>
    <message>
        <source>Grahavani 2.05</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisional chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;JPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundali &amp;Matching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;North Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;South Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;East Indian Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;phemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Precise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Navamsa (D9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lagna at Top (North Indian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dasha Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>365.2&amp;5 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>365.2&amp;425 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36&amp;0 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Toolbar buttons&apos; texts and tips: commands, as short as they can be.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::MatchPartner</name>
    <message>
        <source>&amp;Boy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy&apos;s chart: the current chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy&apos;s chart: a chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Boy&apos;s File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the boy&apos;s chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy&apos;s chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy&apos;s time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy&apos;s daylight saving time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the boy&apos;s chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the boy&apos;s chart file, or the current chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Girl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl&apos;s chart: the current chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl&apos;s chart: a chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Girl&apos;s File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the girl&apos;s chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl&apos;s chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl&apos;s time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl&apos;s daylight saving time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the girl&apos;s chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the girl&apos;s chart file, or the current chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chart is calculated: calculate one to match it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani (*.gvc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <extracomment>The name, then the birth as the chart file states it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not say its time zone: choose it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::PlaceCompleter</name>
    <message>
        <source>Matching places</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::PlanetsTab</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ascendant and the nine bodies; choose a column heading to sort by it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The position as the chart window writes it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NakshatraLord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrograde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combust</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own ayanamsa in decimal degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classic engine has its own ayanamsa; choose the precise engine under View → Ephemeris to choose another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Own value (degrees):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar &amp;node:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha s&amp;ystem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha &amp;depth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha &amp;year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF pape&amp;r:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter decimal degrees from 0 to 60, such as 23.5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::ShadbalaTab</name>
    <message>
        <source>absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadbala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The six strengths of each planet in virupas and their total; Rupas and Required in rupas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadbala components</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Component</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parts of sthana and kala bala of each planet in virupas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strengths in virupas, 60 to a rupa; Rupas and Required in rupas; Ratio is Rupas over Required. A planet with a ratio below 1 is below its minimum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shadbala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mponents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadbala tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meets minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sthana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheshta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naisargika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uchcha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saptavargaja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ojayugma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kendra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nathonnatha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paksha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tribhaga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yuddha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::frmAbout</name>
    <message>
        <source>Grahavani 2.05</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani Software shows your Rashi Chart in both the North Indian and South Indian versions. This software gives the precise astronomical positions of stars and planets during the time your birth. Vedic Astrology uses this information to forecast important incidents and probable opportunities that might arise in your life.

Thus, Grahavani Software creates ready made birth charts which can be used for further analysis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), licensed under CC BY 4.0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::frmDisplay</name>
    <message>
        <source>Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>The lord of the Moon&apos;s nakshatra.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Follows the position of a retrograde body, in a narrow cell.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::frmMain</name>
    <message>
        <source>Grahavani 2.05</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Janam &amp;Kundali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundali &amp;Matching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth: Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth: Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth: Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth: Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth: Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>The state or province of the birth place.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude: Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude: Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <extracomment>North and South of the equator: the latitude&apos;s direction, in a narrow box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude: Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude: Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <extracomment>East and West of Greenwich: the longitude&apos;s direction, in a narrow box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;East Indian Style)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;North Indian Style)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;South Indian Style)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH/MM</source>
        <extracomment>Hours and minutes of the lists before it, in a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <extracomment>Degrees and minutes of the boxes before it, in a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get this software branded for your own website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Grahavani web site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grahavani::frmMatching</name>
    <message>
        <source>Kundali Matching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashtakoota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy&apos;s Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl&apos;s Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poruthams agreeing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the two charts and press Match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boy: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girl: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>agrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the matching as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the matching as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The matching could not be saved to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
