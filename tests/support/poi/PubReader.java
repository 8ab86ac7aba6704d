// Reads a publication with Apache POI's publisher module and prints what it
// finds, one item a line: the summary properties, each paragraph of the text
// and each link address. The tests compare this with what the file should hold.
import java.io.FileInputStream;
import java.io.InputStream;

import org.apache.poi.hpbf.HPBFDocument;
import org.apache.poi.hpbf.model.qcbits.QCBit;
import org.apache.poi.hpbf.model.qcbits.QCPLCBit;
import org.apache.poi.hpbf.model.qcbits.QCTextBit;
import org.apache.poi.hpsf.DocumentSummaryInformation;
import org.apache.poi.hpsf.SummaryInformation;

public class PubReader {
    private static void put(String key, String value) {
        if (value != null)
            System.out.println(key + "=" + value.replace("\\", "\\\\").replace("\n", "\\n"));
    }

    public static void main(String[] args) throws Exception {
        try (InputStream in = new FileInputStream(args[0])) {
            HPBFDocument doc = new HPBFDocument(in);
            SummaryInformation si = doc.getSummaryInformation();
            if (si != null) {
                put("title", si.getTitle());
                put("subject", si.getSubject());
                put("author", si.getAuthor());
                put("keywords", si.getKeywords());
                put("comments", si.getComments());
            }
            DocumentSummaryInformation dsi = doc.getDocumentSummaryInformation();
            if (dsi != null) {
                put("category", dsi.getCategory());
                put("manager", dsi.getManager());
                put("company", dsi.getCompany());
                if (dsi.getCustomProperties() != null)
                    for (java.util.Map.Entry<String, Object> e : dsi.getCustomProperties().entrySet())
                        put("custom", e.getKey() + "=" + e.getValue());
            }
            for (QCBit bit : doc.getQuillContents().getBits()) {
                if (bit instanceof QCTextBit) {
                    for (String p : ((QCTextBit) bit).getText().split("\r", -1))
                        put("paragraph", p);
                } else if (bit instanceof QCPLCBit.Type12) {
                    QCPLCBit.Type12 links = (QCPLCBit.Type12) bit;
                    for (int i = 0; i < links.getNumberOfHyperlinks(); ++i)
                        put("link", links.getHyperlink(i));
                }
            }
        }
    }
}
