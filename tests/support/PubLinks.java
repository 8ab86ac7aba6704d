// Prints the link addresses Apache POI's publication reader finds, one a
// line, in stream order. Run with the source launcher:
//   java -cp poi.jar:poi-scratchpad.jar:commons-collections4.jar:commons-math3.jar PubLinks.java FILE
import java.io.FileInputStream;
import org.apache.poi.hpbf.HPBFDocument;
import org.apache.poi.hpbf.model.qcbits.QCBit;
import org.apache.poi.hpbf.model.qcbits.QCPLCBit;

public class PubLinks {
    public static void main(String[] args) throws Exception {
        try (FileInputStream in = new FileInputStream(args[0])) {
            HPBFDocument doc = new HPBFDocument(in);
            for (QCBit bit : doc.getQuillContents().getBits()) {
                if (bit instanceof QCPLCBit.Type12) {
                    QCPLCBit.Type12 links = (QCPLCBit.Type12) bit;
                    for (int i = 0; i < links.getNumberOfHyperlinks(); i++)
                        System.out.println(links.getHyperlink(i));
                }
            }
        }
    }
}
